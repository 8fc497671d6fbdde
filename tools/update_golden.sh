#!/usr/bin/env bash
# Regenerates tests/e2e/golden_hashes.txt, the presentation hashes and the
# SHA-256 of the sound that the end-to-end test capture_determinism compares
# against. Run it only when a change of what the demo shows or plays is
# deliberate and understood, and commit the new file with that change.
#
# usage: tools/update_golden.sh [BUILD_DIR]
#   BUILD_DIR holds demo_capture (default: build/release, configured and
#   built with the release preset when needed).
set -euo pipefail
cd "$(dirname "$0")/.."

# The run the golden file records: keys that visit scenes A, B, C, D and A
# again and switch the overlay, glow, blur, fading, radials, both rates and the
# scroll speed. Every EVERY-th presentation is kept.
ARGS="--frames 400 --keys 30:8,60:space,90:g,120:space,150:b,170:g,200:space,230:m,250:r,260:6,280:space,320:5,340:u,350:i,360:b,380:m"
EVERY=10
GOLDEN=tests/e2e/golden_hashes.txt

build=${1:-build/release}
if [ ! -x "$build/demo_capture" ]; then
  if [ $# -gt 0 ]; then
    echo "no demo_capture in $build" >&2
    exit 1
  fi
  cmake --preset release >/dev/null
  cmake --build --preset release --target demo_capture
fi

tmp=$(mktemp)
wav=$(mktemp)
trap 'rm -f -- "$tmp" "$wav"' EXIT
# shellcheck disable=SC2086  # ARGS is a list of words on purpose
"$build/demo_capture" $ARGS --hashes "$tmp" --wav "$wav"
{
  echo "# Presentation hashes of demo_capture: index, frame count, FNV-1a 64 of the pixels."
  echo "# Regenerate with tools/update_golden.sh when a change of the pictures or the sound is deliberate."
  echo "# args: $ARGS"
  echo "# every: $EVERY"
  echo "# wav-sha256: $(sha256sum "$wav" | cut -d' ' -f1)"
  awk -v k="$EVERY" '$1 % k == 0' "$tmp"
} >"$GOLDEN"
echo "wrote $GOLDEN ($(grep -vc '^#' "$GOLDEN") presentations of $(wc -l <"$tmp"), and the sound's checksum)"
