#!/bin/sh
# Installs, with apt-get, the Debian packages the build and the tests need,
# only those that are missing. Runs as root or through sudo.
set -e
PACKAGES="cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev qt6-svg-dev
libxrandr-dev libx11-dev libgtest-dev libgmock-dev libbenchmark-dev libgl1-mesa-dev
fonts-liberation fonts-liberation2 fonts-comic-neue
xvfb xauth x11-utils imagemagick poppler-utils xdotool"
missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
