#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: the release preset (g++),
# then AddressSanitizer + UndefinedBehaviorSanitizer (clang++, with the fuzz
# corpora), then the audio tests under ThreadSanitizer.
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

echo "=== tsan (audio path)"
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j "$jobs" --target audio_tests
ctest --preset tsan -j "$jobs"
