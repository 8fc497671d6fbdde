# cmake --install into a fresh prefix (and again under DESTDIR): the three
# programs in bin/, and a valid desktop entry that starts the installed window
# program by its path; the installed demo_capture runs from there.
source "$(dirname "$0")/common.bash"

command -v cmake >/dev/null || fail "cmake is missing"
prefix="$WORK/prefix with space"
cmake --install "$BIN_DIR" --prefix "$prefix" >"$WORK/install.log" 2>&1 ||
  { cat "$WORK/install.log" >&2; fail "cmake --install failed"; }

want="$prefix/bin/demo_capture"
[ -x "$want" ] || fail "$want is not installed"
if [ -x "$BIN_DIR/demo_window" ]; then
  for p in demo_window demo_fullscreen; do
    [ -x "$prefix/bin/$p" ] || fail "$prefix/bin/$p is not installed"
  done
  entry="$prefix/share/applications/moxa7730.desktop"
  [ -f "$entry" ] || fail "no desktop entry at $entry"
  grep -qx "Exec=\"$prefix/bin/demo_window\"" "$entry" || fail "desktop entry: $(grep '^Exec' "$entry")"
  grep -qx 'Name=MOXA7730' "$entry" || fail "desktop entry: no Name=MOXA7730"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" >&2 || fail "the desktop entry does not validate"
  fi
  pass "demo_window, demo_fullscreen, demo_capture and a valid desktop entry installed"

  # The icon the entry names, at each size of the theme, and the manual pages.
  grep -qx 'Icon=moxa7730' "$entry" || fail "desktop entry: no Icon=moxa7730"
  for size in 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/moxa7730.png"
    [ -f "$icon" ] || fail "no icon at $icon"
    [ "$(identify -format '%m %w %h' "$icon")" = "PNG $size $size" ] ||
      fail "$icon: $(identify -format '%m %w %h' "$icon")"
  done
  for page in demo_window demo_fullscreen demo_capture; do
    man6="$prefix/share/man/man6/$page.6.gz"
    [ -f "$man6" ] || fail "no manual page $man6"
    # man's own check of the roff (warnings from groff fail the test).
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$man6" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page.6: $warnings"
  done
  # Every option that --help lists is described in the capture's page.
  text=$(MANWIDTH=200 man -l "$prefix/share/man/man6/demo_capture.6.gz" 2>/dev/null)
  for option in $("$want" --help | grep -oE -- '--[a-z]+' | sort -u); do
    grep -q -- "$option" <<<"$text" || fail "demo_capture.6 does not describe $option"
  done
  pass "icons at 48, 64, 128 and 256 pixels, and three manual pages that man reads cleanly"

  # --version: each program's own name and the project's version, nothing else
  # started (no display is needed).
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BIN_DIR/CMakeCache.txt")
  for p in demo_window demo_fullscreen demo_capture; do
    got=$(SDL_VIDEODRIVER=none "$prefix/bin/$p" --version) || fail "$p --version failed"
    [ "$got" = "$p $version" ] || fail "$p --version printed '$got', expected '$p $version'"
  done
  pass "the three programs print their version ($version)"
else
  pass "demo_capture installed (the SDL programs are switched off in this build)"
fi

# The installed program needs nothing from the build tree.
(cd "$WORK" && "$want" --frames 3 --hashes "$WORK/h.txt" >/dev/null) || fail "the installed demo_capture failed"
[ "$(wc -l <"$WORK/h.txt")" -eq 35 ] || fail "the installed demo_capture presented $(wc -l <"$WORK/h.txt") pictures"
pass "the installed demo_capture runs"

# Staged for a package: everything under DESTDIR, the entry naming the final path.
DESTDIR="$WORK/stage" cmake --install "$BIN_DIR" --prefix /opt/moxa7730 >/dev/null 2>&1 || fail "staged install failed"
[ -x "$WORK/stage/opt/moxa7730/bin/demo_capture" ] || fail "staged: demo_capture is not under DESTDIR"
if [ -x "$BIN_DIR/demo_window" ]; then
  grep -qx 'Exec="/opt/moxa7730/bin/demo_window"' "$WORK/stage/opt/moxa7730/share/applications/moxa7730.desktop" ||
    fail "staged: the desktop entry does not name /opt/moxa7730/bin/demo_window"
fi
pass "a staged install (DESTDIR) names the final paths"
