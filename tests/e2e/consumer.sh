# The toolkit as another program sees it: installed into a fresh prefix (the
# libraries, the public headers only, the CMake package and the pkg-config
# file), examples/ built there as a project of its own with find_package and
# one example again with pkg-config, then each example run to its output.
source "$(dirname "$0")/common.bash"

# A sanitizer build's libraries need its run-time at every link: the consumer
# is checked in the plain release build.
if grep -q 'fsanitize' "$BIN_DIR/CMakeCache.txt"; then
  echo "skip: the consumer build is checked in the release build"
  exit 77
fi
grep -q '^MOXA_BUILD_SDL:BOOL=ON' "$BIN_DIR/CMakeCache.txt" || { echo "skip: no SDL programs"; exit 77; }

prefix="$WORK/prefix"
cmake --install "$BIN_DIR" --prefix "$prefix" >"$WORK/install.log" 2>&1 ||
  { cat "$WORK/install.log" >&2; fail "cmake --install failed"; }
libdir=$(dirname "$(find "$prefix" -name libmoxa7730_core.a)")
for part in core image vector text effects sound platform; do
  [ -f "$libdir/libmoxa7730_$part.a" ] || fail "libmoxa7730_$part.a is not installed"
done
[ -f "$libdir/cmake/moxa7730/moxa7730Config.cmake" ] || fail "no CMake package"
[ -f "$libdir/cmake/moxa7730/moxa7730ConfigVersion.cmake" ] || fail "no CMake package version"
[ -f "$libdir/pkgconfig/moxa7730.pc" ] || fail "no pkg-config file"

# Public headers only, one folder per library, and each one compiles on its
# own with the paths the package gives (a public header that needs a private
# one, or relies on another being included first, fails here).
inc="$prefix/include/moxa7730"
folders=$(cd "$inc" && ls | tr '\n' ' ')
[ "$folders" = "core effects image platform sound text vector " ] || fail "header folders: $folders"
private=$(find "$inc" -name '*_impl.h' -o -name '*_internal.h' -o -name edge.h -o -name entry.h)
[ -z "$private" ] || fail "private headers installed: $private"
n=0
for header in $(cd "$prefix/include" && find moxa7730 -name '*.h' | sort); do
  echo "#include <$header>" | g++ -std=c++20 -Wall -Wextra -Werror -fsyntax-only -x c++ \
    -I"$prefix/include" -I"$inc" - 2>"$WORK/header.err" ||
    { cat "$WORK/header.err" >&2; fail "$header does not compile on its own"; }
  n=$((n + 1))
done
[ "$n" -ge 30 ] || fail "only $n headers installed"
pass "libraries, CMake package, pkg-config file and $n public headers installed"

# examples/ against the installed package, as a separate project.
build="$WORK/examples"
cmake -S "$SRC_DIR/examples" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=g++ \
  -DCMAKE_PREFIX_PATH="$prefix" >"$WORK/configure.log" 2>&1 ||
  { cat "$WORK/configure.log" >&2; fail "examples: configure against the package failed"; }
cmake --build "$build" >"$WORK/build.log" 2>&1 ||
  { cat "$WORK/build.log" >&2; fail "examples: build against the package failed"; }
grep -qF "$libdir/libmoxa7730_platform.a" "$build/build.ninja" ||
  fail "examples: not linked with the installed libraries"
pass "examples/ built against the installed package"

# The picture: a binary PPM of 256 x 64 pixels, not all black.
(cd "$WORK" && "$build/text_to_ppm" text.ppm) || fail "text_to_ppm failed"
[ "$(head -c 14 "$WORK/text.ppm" | od -An -c | tr -d ' ')" = 'P6\n25664\n255\n' ] ||
  fail "text.ppm: header $(head -c 14 "$WORK/text.ppm" | od -An -c)"
[ "$(stat -c %s "$WORK/text.ppm")" -eq $((14 + 256 * 64 * 3)) ] || fail "text.ppm: wrong size"
lit=$(tail -c +15 "$WORK/text.ppm" | tr -d '\000' | wc -c)
[ "$lit" -gt 1000 ] || fail "text.ppm is (nearly) blank: $lit lit bytes"
pass "text_to_ppm wrote a 256 x 64 picture with $lit lit bytes"

# The sound: a complete WAV of the music's 80000-value loop, not silent.
(cd "$WORK" && "$build/notes_to_wav" notes.wav) || fail "notes_to_wav failed"
wav_check "$WORK/notes.wav" 80000
peak=$(od -An -v -t d2 -j 44 "$WORK/notes.wav" |
  awk '{ for (i = 1; i <= NF; i++) { v = $i < 0 ? -$i : $i; if (v > p) p = v } } END { print p + 0 }')
[ "$peak" -gt 4000 ] || fail "notes.wav is (nearly) silent: peak $peak"
pass "notes_to_wav wrote 80000 values, peak $peak"

# The window, without a display or keyboard: ten frames, then it ends by itself.
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 30 "$build/glow_window" 10 ||
  fail "glow_window 10 did not end cleanly"
pass "glow_window ran ten frames under the dummy driver"

# pkg-config: the window example (display, keyboard, SDL) from one command line.
flags=$(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs moxa7730) ||
  fail "pkg-config does not know moxa7730"
# shellcheck disable=SC2086  # the flags are words
g++ -o "$WORK/glow_pc" "$SRC_DIR/examples/glow_window.cpp" $flags 2>"$WORK/pc.err" ||
  { cat "$WORK/pc.err" >&2; fail "the pkg-config build failed: $flags"; }
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 30 "$WORK/glow_pc" 3 ||
  fail "glow_window built with pkg-config failed"
pass "glow_window built with pkg-config runs"
