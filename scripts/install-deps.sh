#!/usr/bin/env bash
# Installs the Debian packages Kelvaro needs to build, run and test.
# Packages that are already installed are skipped; nothing else is touched.
set -euo pipefail

packages=(
  cmake g++ ninja-build ccache dpkg-dev pkg-config
  rapidjson-dev tzdata libtimezonemap-data
  qt6-base-dev qt6-svg-dev libgl-dev
  libswe-dev swe-basic-data
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format clang-tidy
  xvfb xauth xdotool imagemagick xdg-utils poppler-utils
  desktop-file-utils appstream librsvg2-bin
  fonts-dejavu-core fonts-noto-core
  qt6-tools-dev qt6-l10n-tools
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
