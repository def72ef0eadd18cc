#!/usr/bin/env bash
# Writes the golden outputs of kelvaro-chart anew from births.jsonl and
# arguments.txt: run it only when a change of the output is meant, and
# review the difference it makes.
#   tests/golden/update.sh build/default/tools/kelvaro-chart
set -euo pipefail
chart=$(realpath "$1")
cd "$(dirname "$0")"
mkdir -p expected
"$chart" --batch <births.jsonl >expected/batch.jsonl || true
: >expected/text.txt
: >expected/json.jsonl
while read -r line; do
  # shellcheck disable=SC2086 # the options are words
  { echo "=== $line"; "$chart" $line || true; } >>expected/text.txt
  # shellcheck disable=SC2086
  "$chart" --json $line >>expected/json.jsonl || true
done <arguments.txt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for n in 1 2 3; do
  line=$(sed -n "${n}p" arguments.txt)
  # shellcheck disable=SC2086
  QT_QPA_PLATFORM=offscreen "$chart" $line --name "Golden $n" --pdf "$work/$n.pdf"
  pdftotext "$work/$n.pdf" expected/pdf-$n.txt
done
