#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need. Runs apt only when
# something is missing, so a prepared machine is not slowed down.
set -euo pipefail

packages=(
  cmake g++ make pkgconf clang-format
  qt6-base-dev qt6-webengine-dev libqt6webenginewidgets6 libqt6webenginecore6-bin libgl-dev
  qt6-charts-dev qt6-svg-dev
  qt6-image-formats-plugins libqt6svg6 libtomlplusplus-dev
  libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation xvfb xauth imagemagick openbox wmctrl xdotool x11-utils
  # tests only: the menu entry and the metadata are validated as the desktop would
  desktop-file-utils appstream
  # tests only: the PDFs the program writes are read back with Poppler's pdftotext and pdfimages
  poppler-utils
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
