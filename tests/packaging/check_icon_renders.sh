#!/usr/bin/env bash
# The PNG sizes of the icon are rendered from its SVG and committed; this
# checks that they still match the drawing, so a changed SVG is not shipped
# with stale pictures. Renders each size afresh and compares the pixels,
# allowing for small differences between renderer versions.
# usage: check_icon_renders.sh ICON_DIR SCRATCH_DIR ICON_SIZE...
set -euo pipefail

icons=$1
scratch=$2
shift 2

for tool in rsvg-convert compare; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is missing: run scripts/install-deps.sh" >&2
    exit 1
  fi
done

rm -rf "$scratch"
mkdir -p "$scratch"
failed=0
for size in "$@"; do
  rsvg-convert --width "$size" --height "$size" --output "$scratch/$size.png" "$icons/kelvaro.svg"
  # RMSE over all channels, as a fraction of full scale.
  metric=$(compare -metric RMSE "$icons/kelvaro-$size.png" "$scratch/$size.png" null: 2>&1 || true)
  fraction=$(sed -n 's/.*(\([0-9.e+-]*\)).*/\1/p' <<<"$metric")
  if [[ -z $fraction ]] || ! awk -v f="$fraction" 'BEGIN { exit !(f < 0.02) }'; then
    echo "FAIL: data/icons/kelvaro-$size.png differs from kelvaro.svg ($metric);" \
      "run data/icons/render-png.sh" >&2
    failed=1
  fi
done
exit "$failed"
