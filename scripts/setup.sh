#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages. Does nothing
# when everything is already there.
set -euo pipefail

packages=(
  cmake make g++                       # native build and unit tests
  googletest                           # GoogleTest sources, built for both targets
  g++-mingw-w64-x86-64-posix           # the Windows program
  binutils-mingw-w64-x86-64            # windres for its resources
  wine wine64 fonts-wine               # runs it on Linux
  xvfb xauth x11-utils xdotool        # a display of the tests' own, and input from outside
  x11-xserver-utils                    # xrandr: that display split into two monitors
  fonts-wqy-microhei                   # the Chinese texts
  imagemagick                          # screenshots
  python3                              # packs the release
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
