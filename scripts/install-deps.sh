#!/usr/bin/env bash
# Installs the Debian 12 packages Gridora builds, runs and tests with. Fast and
# harmless when everything is already there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-l10n-tools qt6-translations-l10n
  libgl-dev libboost-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  cups cups-client cups-bsd printer-driver-cups-pdf libcups2-dev
  poppler-utils libxml2-utils python3 hyperfine time
  xvfb xauth xdotool imagemagick
  dbus-daemon at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  clang libclang-rt-14-dev valgrind
  emscripten nodejs
  dpkg-dev fakeroot file lintian desktop-file-utils appstream groff-base man-db
  emscripten libboost-dev chromium firefox-esr
)
# Node and npm (for the browser version's build and tests) from Debian unless
# a node is already installed some other way: a second node would fight it.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
