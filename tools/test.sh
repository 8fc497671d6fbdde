#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: the release preset (g++),
# then AddressSanitizer + UndefinedBehaviorSanitizer (clang++, with the fuzz
# corpora), then the web page (its kernel tests in WebAssembly under node, the
# page in headless Chromium), then the audio tests under ThreadSanitizer.
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
# python3-websocket is Debian's package. The pixel kernels' WebAssembly SIMD
# forms meet their per-pixel references under node first (with node's own
# fetch off: this Emscripten's loader would take it for a browser's).
echo "=== web"
tools/build_web.sh
cmake --build --preset web-simd -j "$jobs" --target web_kernel_tests
node --no-experimental-fetch build/web-simd/web_kernel_tests.js --gtest_brief=1
/usr/bin/python3 tests/web/page_test.py web build/release/demo_capture build/web/page-test

echo "=== tsan (audio path)"
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j "$jobs" --target audio_tests
ctest --preset tsan -j "$jobs"
