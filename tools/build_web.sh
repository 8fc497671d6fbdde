#!/usr/bin/env bash
# Builds the demo's web page: installs what is missing, builds the program with
# Emscripten twice, plain (the `web` preset, into build/web) and with WebAssembly
# SIMD (the `web-simd` preset, into build/web-simd), and puts moxa7730.js,
# moxa7730.wasm, moxa7730-simd.js and moxa7730-simd.wasm beside the page in web/
# (they are build output, not committed); the page loads the one the browser
# runs. Then says how to serve it.
#
# usage: tools/build_web.sh
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh

# This machine's node is not Debian's: Emscripten finds Debian's JavaScript
# modules (acorn) only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

for preset in web web-simd; do
  if [ ! -f "build/$preset/CMakeCache.txt" ]; then
    cmake --preset "$preset" >/dev/null
  fi
  cmake --build --preset "$preset" --target moxa7730
done
cp build/web/moxa7730.js build/web/moxa7730.wasm web/
cp build/web-simd/moxa7730-simd.js build/web-simd/moxa7730-simd.wasm web/

size_line() {
  printf '  %-19s %8d bytes, %7d gzip-compressed\n' "$1" "$(stat -c %s "web/$1")" \
    "$(gzip -9 -c "web/$1" | wc -c)"
}
echo "Built web/:"
size_line moxa7730.wasm
size_line moxa7730.js
size_line moxa7730-simd.wasm
size_line moxa7730-simd.js
echo "Serve it with any static server, for example:"
echo "  (cd web && python3 -m http.server 8000)"
echo "then open http://localhost:8000/ (add ?autostart to skip the start cover)."
