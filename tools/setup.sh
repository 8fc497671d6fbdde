#!/usr/bin/env bash
# Installs every Debian package that building, running and testing MOXA7730 needs.
# Skips apt entirely when everything is already there.
set -euo pipefail

packages=(
  build-essential g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
  libsdl1.2-compat-dev libpng-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libsdl-gfx1.2-dev
  xvfb xauth xdotool imagemagick x11-utils libx11-dev
  ffmpeg matchbox-window-manager desktop-file-utils time
  dpkg-dev lintian man-db
  emscripten nodejs chromium python3-websocket
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || { echo "need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
