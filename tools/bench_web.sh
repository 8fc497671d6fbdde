#!/usr/bin/env bash
# The demo's speed natively and in WebAssembly, side by side: builds
# bench/web_frame_bench natively (the `release` preset) and with Emscripten,
# plain (`web`) and with WebAssembly SIMD (`web-simd`), runs the three in turn
# (node runs the WebAssembly ones, with the same engine as Chromium) and prints
# one table: each scene's frame with glow and blur on, and the two five-tap
# filters over 256 x 256, in microseconds, with the ratio of the SIMD build to
# the native one. Each figure is the median over RUNS alternating runs of each
# program's median over its rounds, so a busy moment spreads over all three.
#
# usage: tools/bench_web.sh [RUNS]   (default 3)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}

tools/setup.sh
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

for preset in release web web-simd; do
  if [ ! -f "build/$preset/CMakeCache.txt" ]; then
    cmake --preset "$preset" >/dev/null
  fi
  cmake --build --preset "$preset" -j 2 --target web_frame_bench >/dev/null
done

# Node 18 and later have a fetch of their own, which this Emscripten's loader
# would take for the browser's and fail on a file path: switched off.
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for ((i = 0; i < runs; i++)); do
  build/release/bench/web_frame_bench 5 >>"$out/native"
  node --no-experimental-fetch build/web/web_frame_bench.js 5 >>"$out/scalar"
  node --no-experimental-fetch build/web-simd/web_frame_bench.js 5 >>"$out/simd"
done

python3 - "$out" <<'PY'
import statistics, sys
folder = sys.argv[1]
def medians(name):
    rows = {}
    for line in open(f"{folder}/{name}"):
        if not line.startswith("#"):
            key, value = line.split()
            rows.setdefault(key, []).append(float(value))
    return {k: statistics.median(v) for k, v in rows.items()}
native, scalar, simd = medians("native"), medians("scalar"), medians("simd")
print(f"{'µs per frame or pass':<22} {'native':>8} {'wasm':>8} {'wasm SIMD':>10} {'SIMD/native':>12}")
for key in native:
    print(f"{key:<22} {native[key]:8.1f} {scalar[key]:8.1f} {simd[key]:10.1f} "
          f"{simd[key] / native[key]:11.1f}x")
PY
