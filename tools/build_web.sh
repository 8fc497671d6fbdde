#!/usr/bin/env bash
# Builds the demo's web page: installs what is missing, builds the program with
# Emscripten (the `web` preset, into build/web) and puts moxa7730.js and
# moxa7730.wasm beside the page in web/ (they are build output, not committed).
# Then says how to serve it.
#
# usage: tools/build_web.sh
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh

# This machine's node is not Debian's: Emscripten finds Debian's JavaScript
# modules (acorn) only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

if [ ! -f build/web/CMakeCache.txt ]; then
  cmake --preset web >/dev/null
fi
cmake --build --preset web --target moxa7730
cp build/web/moxa7730.js build/web/moxa7730.wasm web/

size_line() {
  printf '  %-14s %8d bytes, %7d gzip-compressed\n' "$1" "$(stat -c %s "web/$1")" \
    "$(gzip -9 -c "web/$1" | wc -c)"
}
echo "Built web/:"
size_line moxa7730.wasm
size_line moxa7730.js
echo "Serve it with any static server, for example:"
echo "  (cd web && python3 -m http.server 8000)"
echo "then open http://localhost:8000/ (add ?autostart to skip the start cover)."
