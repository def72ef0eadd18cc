#!/usr/bin/env bash
# Pictures Kelvaro's windows under Xvfb into docs/ (and docs/scale2/ at a
# screen scale of 2). Build first: cmake --build --preset default
set -euo pipefail
cd "$(dirname "$0")/.."
tour=build/default/tools/screenshot_tour/kelvaro-screenshot-tour
if [[ ! -x $tour ]]; then
  cmake --build --preset default --target kelvaro-screenshot-tour
fi
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1600x1200x24" "$tour" docs
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2400x2000x24" "$tour" docs/scale2
for language in hi ta; do
  xvfb-run -a -s "-screen 0 1600x1200x24" "$tour" docs "$language"
done

# The printed reading of the first worked example: its first two pages as
# pictures.
chart=build/default/tools/kelvaro-chart
pdf=$(mktemp --suffix=.pdf)
trap 'rm -f "$pdf"' EXIT
"$chart" --date 2000-01-01 --time 12:00 --zone 5:30 --longitude 77E12 --latitude 28N36 \
  --name Ram --paper a4 --pdf "$pdf"
for page in 1 2; do
  pdftoppm -png -r 60 -f "$page" -l "$page" -singlefile "$pdf" "docs/reading-page-$page"
done
# Its first page in Hindi and in Tamil.
for language in hi ta; do
  "$chart" --date 2000-01-01 --time 12:00 --zone 5:30 --longitude 77E12 --latitude 28N36 \
    --name Ram --paper a4 --language "$language" --pdf "$pdf"
  pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf" "docs/reading-page-1-$language"
done
