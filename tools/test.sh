#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: the release preset (g++),
# then AddressSanitizer + UndefinedBehaviorSanitizer (clang++, with the fuzz
# corpora), then the web page in headless Chromium, then the audio tests under
# ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
for preset in release asan-ubsan; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

# The web page: the same demo built by Emscripten, played in headless Chromium
# and compared with demo_capture's pictures. Debian's python3 runs the test, as
# python3-websocket is Debian's package.
echo "=== web"
tools/build_web.sh
/usr/bin/python3 tests/web/page_test.py web build/release/demo_capture build/web/page-test

echo "=== tsan (audio path)"
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j "$jobs" --target audio_tests
ctest --preset tsan -j "$jobs"
