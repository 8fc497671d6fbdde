# The Debian packages: tools/make_deb.sh builds moxa7730 and moxa7730-dev
# (lintian must report no errors), their fields and files are what they
# should be, and the programs unpacked with dpkg -x (never installed into this
# machine) run: --version, and ten frames identical to the build's own.
source "$(dirname "$0")/common.bash"

if grep -q 'fsanitize' "$BIN_DIR/CMakeCache.txt"; then
  echo "skip: the packages are built once, beside the release build"
  exit 77
fi
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" >/dev/null || { echo "skip: $tool is missing (tools/setup.sh installs it)"; exit 77; }
done

MOXA_DEB_BUILD="$WORK/build" "$SRC_DIR/tools/make_deb.sh" "$WORK/debs" >"$WORK/make_deb.log" 2>&1 ||
  { tail -40 "$WORK/make_deb.log" >&2; fail "make_deb.sh failed (lintian errors end with E:)"; }
grep -E '^[EW]: ' "$WORK/make_deb.log" || true  # lintian's warnings, for the record
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BIN_DIR/CMakeCache.txt")
deb="$WORK/debs/moxa7730_${version}_amd64.deb"
dev="$WORK/debs/moxa7730-dev_${version}_amd64.deb"
[ -f "$deb" ] && [ -f "$dev" ] || fail "the packages are not named moxa7730{,-dev}_${version}_amd64.deb"
pass "two packages built, lintian reports no errors"

# Dependencies: the programs' from dpkg-shlibdeps; the toolkit's on the
# programs' exact version and on what its CMake package finds.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libsdl1.2debian libpng16-16 libstdc++6 libc6; do
  grep -q "\b$lib\b" <<<"$depends" || fail "moxa7730 does not depend on $lib: $depends"
done
[ "$(dpkg-deb -f "$dev" Depends)" = "moxa7730 (= $version), libsdl1.2-compat-dev | libsdl1.2-dev" ] ||
  fail "moxa7730-dev depends on: $(dpkg-deb -f "$dev" Depends)"
pass "dependencies: $depends"

# Files: the programs' package holds no toolkit, the toolkit's no programs.
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$WORK/deb.list"
dpkg-deb -c "$dev" | awk '{ print $6 }' >"$WORK/dev.list"
for f in usr/bin/demo_window usr/bin/demo_fullscreen usr/bin/demo_capture \
         usr/share/applications/moxa7730.desktop usr/share/man/man6/demo_capture.6.gz \
         usr/share/man/man6/demo_window.6.gz usr/share/man/man6/demo_fullscreen.6.gz \
         usr/share/icons/hicolor/48x48/apps/moxa7730.png usr/share/icons/hicolor/256x256/apps/moxa7730.png \
         usr/share/doc/moxa7730/copyright; do
  grep -qx "./$f" "$WORK/deb.list" || fail "moxa7730 lacks /$f"
done
for f in usr/include/moxa7730/image/img.h usr/lib/x86_64-linux-gnu/libmoxa7730_platform.a \
         usr/lib/x86_64-linux-gnu/cmake/moxa7730/moxa7730Config.cmake \
         usr/lib/x86_64-linux-gnu/pkgconfig/moxa7730.pc usr/share/doc/moxa7730-dev/copyright; do
  grep -qx "./$f" "$WORK/dev.list" || fail "moxa7730-dev lacks /$f"
done
grep -E '\.(a|h)$|cmake|pkgconfig' "$WORK/deb.list" && fail "moxa7730 carries toolkit files"
grep -E 'usr/bin|/man/|/icons/' "$WORK/dev.list" && fail "moxa7730-dev carries program files"
pass "each package carries its own files"

# Unpacked, not installed: the programs run from there and draw what the build draws.
root="$WORK/root"
dpkg -x "$deb" "$root"
dpkg -x "$dev" "$root"
[ "$("$root/usr/bin/demo_capture" --version)" = "demo_capture $version" ] || fail "demo_capture --version"
grep -qx 'Exec="/usr/bin/demo_window"' "$root/usr/share/applications/moxa7730.desktop" ||
  fail "the packaged desktop entry does not start /usr/bin/demo_window"
(cd "$WORK" && "$root/usr/bin/demo_capture" --frames 10 --hashes packaged.txt --out frames >/dev/null) ||
  fail "the packaged demo_capture failed"
[ "$(ls "$WORK/frames" | wc -l)" -ge 10 ] || fail "the packaged demo_capture wrote $(ls "$WORK/frames" | wc -l) frames"
(cd "$WORK" && "$CAPTURE" --frames 10 --hashes built.txt >/dev/null) || fail "demo_capture failed"
cmp -s "$WORK/packaged.txt" "$WORK/built.txt" || fail "the packaged demo_capture draws other pictures"
pass "the unpacked demo_capture prints its version and draws the build's ten frames"

# The packaged CMake package finds its own files wherever it is unpacked.
cmake -S "$SRC_DIR/examples" -B "$WORK/examples" -G Ninja -DCMAKE_CXX_COMPILER=g++ \
  -Dmoxa7730_DIR="$root/usr/lib/x86_64-linux-gnu/cmake/moxa7730" >"$WORK/examples.log" 2>&1 &&
  cmake --build "$WORK/examples" --target notes_to_wav >>"$WORK/examples.log" 2>&1 ||
  { cat "$WORK/examples.log" >&2; fail "examples against the unpacked moxa7730-dev"; }
(cd "$WORK" && "$WORK/examples/notes_to_wav" notes.wav) || fail "notes_to_wav (packaged toolkit) failed"
wav_check "$WORK/notes.wav" 80000
pass "an example builds and runs against the unpacked moxa7730-dev"
