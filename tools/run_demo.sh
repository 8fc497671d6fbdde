#!/usr/bin/env bash
# Runs the demo: installs what is missing, builds the release preset when
# needed, and starts demo_window on the display. Without a working display it
# says so and runs the headless demo_capture for ten seconds of demo instead,
# writing frame pictures and the sound into a folder it names.
#
# usage: tools/run_demo.sh [--headless] [OUT_DIR]
#   --headless  capture even when a display works
#   OUT_DIR     where the capture goes, from the folder you run this in
#               (default: capture/ in the repository)
# Environment: BUILD_DIR, a build folder whose programs are run as they are,
# without installing or building anything (default: build/release in the
# repository, installed and built when needed).
set -euo pipefail

headless=0
if [ "${1:-}" = "--headless" ]; then
  headless=1
  shift
fi
# Paths given by the caller are taken from the caller's folder.
from_here() { case "$1" in /*) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }
out=""
[ -z "${1:-}" ] || out=$(from_here "$1")
build=""
[ -z "${BUILD_DIR:-}" ] || build=$(from_here "$BUILD_DIR")
cd "$(dirname "$0")/.."
out=${out:-$PWD/capture}

if [ -z "$build" ]; then
  build=build/release
  tools/setup.sh
  if [ ! -x "$build/demo_window" ] || [ ! -x "$build/demo_capture" ]; then
    cmake --preset release >/dev/null
  fi
  # Incremental: does nothing when the programs are up to date.
  cmake --build --preset release --target demo_window demo_fullscreen demo_capture
fi

display_works() {
  [ -n "${DISPLAY:-}" ] || return 1
  if command -v xdpyinfo >/dev/null 2>&1; then
    xdpyinfo >/dev/null 2>&1
  fi
}

if [ "$headless" -eq 0 ] && display_works; then
  echo "Starting $build/demo_window on $DISPLAY (Esc or q quits)."
  exec "$build/demo_window"
fi

if [ "$headless" -eq 0 ]; then
  echo "No display found (DISPLAY is ${DISPLAY:-unset} or does not answer)."
fi
mkdir -p -- "$out"
out=$(cd -- "$out" && pwd)
echo "Running the headless demo_capture: 250 frames, ten seconds of demo, into $out/"
rm -f -- "$out"/frame-*.png  # frames of an earlier capture
"$build/demo_capture" --frames 250 --out "$out" --every 5 --wav "$out/demo.wav" \
  --hashes "$out/hashes.txt"
echo "Done. In $out/:"
echo "  frame-NNNNNN.png  every 5th picture shown ($(ls "$out"/frame-*.png | wc -l) files, 256 x 256)"
echo "  demo.wav          the sound (44100 Hz, 16-bit, mono, ten seconds)"
echo "  hashes.txt        one line per picture shown: index, frame count, hash"
