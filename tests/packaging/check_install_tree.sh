#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks what a desktop finds there:
# both programs, a valid desktop entry, valid AppStream metainfo that points at
# that entry, and the icon at every size in the hicolor theme.
# usage: check_install_tree.sh BUILD_DIR SCRATCH_PREFIX ICON_SIZE...
set -euo pipefail

build=$1
prefix=$2
shift 2
sizes=("$@")

for tool in desktop-file-validate appstreamcli identify; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is missing: run scripts/install-deps.sh" >&2
    exit 1
  fi
done

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

for program in kelvaro kelvaro-chart; do
  [[ -x $prefix/bin/$program ]] || fail "bin/$program is not installed"
done

desktop=$prefix/share/applications/kelvaro.desktop
if [[ -f $desktop ]]; then
  # Hints are advice; warnings and errors are faults.
  report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
  if grep -Eq '(error|warning):' <<<"$report"; then
    fail "desktop-file-validate: $report"
  fi
  grep -qx 'Exec=kelvaro' "$desktop" || fail "the desktop entry does not start the installed program"
  grep -qx 'Icon=kelvaro' "$desktop" || fail "the desktop entry does not name the installed icon"
else
  fail "share/applications/kelvaro.desktop is not installed"
fi

# validate-tree also checks that the metainfo's launchable desktop entry is there.
report=$(appstreamcli validate-tree --no-net "$prefix" 2>&1) || fail "appstreamcli validate-tree: $report"
[[ -f $prefix/share/metainfo/com.orvennasoftwares.Kelvaro.metainfo.xml ]] ||
  fail "the AppStream metainfo is not installed"

[[ -f $prefix/share/icons/hicolor/scalable/apps/kelvaro.svg ]] || fail "the scalable icon is not installed"
for size in "${sizes[@]}"; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/kelvaro.png
  if [[ ! -f $png ]]; then
    fail "the ${size}x${size} icon is not installed"
    continue
  fi
  actual=$(identify -format '%wx%h' "$png")
  [[ $actual == "${size}x${size}" ]] || fail "the ${size}x${size} icon is $actual"
done

"$prefix/bin/kelvaro-chart" --help >/dev/null || fail "the installed kelvaro-chart --help failed"

if ((failed)); then
  exit 1
fi
echo "install tree complete: $prefix"
