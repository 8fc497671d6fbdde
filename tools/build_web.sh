#!/usr/bin/env bash
# Builds the demo's web page: installs what is missing, builds the program with
# Emscripten twice, plain (the `web` preset, into build/web) and with WebAssembly
# SIMD (the `web-simd` preset, into build/web-simd), and puts moxa7730.js,
# moxa7730.wasm, moxa7730-simd.js and moxa7730-simd.wasm beside the page in web/
# (the page loads the one the browser runs), with the page's icons (one of the
# demo's pictures, from demo_capture of the release preset, built when
# missing) and its service worker sw.js (sw.in.js with the build's content
# hash). All of these are build output, not committed. Then says how to serve
# it and what it weighs.
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

# The icons: a picture of the second scene, reduced to 192 pixels by area
# averaging and doubled to 512 with sharp pixels; no dates in the files, so
# that the same build gives the same bytes.
capture=build/release/demo_capture
if [ ! -x "$capture" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target demo_capture
fi
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
"$capture" --frames 1650 --every 1650 --out "$shots" >/dev/null
convert "$shots/frame-001650.png" -scale 192x192 -strip web/icon-192.png
convert "$shots/frame-001650.png" -sample 512x512 -strip web/icon-512.png

# The service worker, named by the content of everything it keeps: a new
# build is a new worker, which replaces the copy kept offline.
build=$(cat web/index.html web/page.css web/controls.js web/page.js web/manifest.webmanifest \
  web/sw.in.js web/icon-*.png web/moxa7730*.js web/moxa7730*.wasm | sha256sum | cut -c1-16)
sed "s/@BUILD@/$build/" web/sw.in.js > web/sw.js

size_line() {
  printf '  %-19s %8d bytes, %7d gzip-compressed\n' "$1" "$(stat -c %s "web/$1")" \
    "$(gzip -9 -c "web/$1" | wc -c)"
}
echo "Built web/ (build $build):"
size_line moxa7730.wasm
size_line moxa7730.js
size_line moxa7730-simd.wasm
size_line moxa7730-simd.js
# What a visitor downloads: the page, its scripts and one program, here the
# SIMD one, the larger of the two (the icons come later, for the offline copy).
page=(index.html page.css controls.js page.js manifest.webmanifest sw.js moxa7730-simd.js moxa7730-simd.wasm)
printf '  %-14s %8d bytes, %7d gzip-compressed\n' "page+program" \
  "$(cd web && cat "${page[@]}" | wc -c)" \
  "$(cd web && for f in "${page[@]}"; do gzip -9 -c "$f"; done | wc -c)"
echo "Serve it with any static server, for example:"
echo "  (cd web && python3 -m http.server 8000)"
echo "then open http://localhost:8000/ (add ?autostart to skip the start cover)."
