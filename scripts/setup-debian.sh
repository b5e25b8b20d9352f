#!/bin/sh
# Installs everything Tavrik needs to build, run, test and benchmark on Debian 12.
# Safe to run again: apt-get skips what is already there.
set -eu

PACKAGES="
  build-essential g++ clang cmake ninja-build pkg-config ccache git
  libgtest-dev libgmock-dev libbenchmark-dev libclang-rt-14-dev
  libjpeg62-turbo-dev zlib1g-dev
  libx11-dev libxext-dev libxtst-dev libxrandr-dev libxi-dev libxfixes-dev
  libfreetype-dev libfontconfig-dev fonts-liberation2 fonts-wqy-microhei fonts-dejavu-core
  xvfb xauth x11-utils xdotool trayer
  libjpeg-turbo-progs imagemagick
  xdg-utils
  desktop-file-utils groff-base
"

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
