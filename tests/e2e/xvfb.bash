# xvfb.bash: an X server for the end-to-end scripts that run the SDL programs
# (sourced after common.bash, not run).
#
# start_xvfb WxH: starts Xvfb with one screen of that size on a free display
# number and exports DISPLAY; skips the script (77) when no X server can
# start. start_program NAME PROGRAM: starts PROGRAM in the background (sets
# demo_pid) and waits for its window named MOXA7730 (sets wid).
# expect_exit NAME SECONDS [STATUS]: the program ends within SECONDS with
# STATUS (default 0). press KEY: a real key stroke into the window.

WINDOW="$BIN_DIR/demo_window"
FULLSCREEN="$BIN_DIR/demo_fullscreen"
if [ ! -x "$WINDOW" ]; then
  echo "SKIP: $WINDOW is not built (the SDL programs are switched off in this build)"
  exit 77
fi
if ! command -v Xvfb >/dev/null; then
  echo "SKIP: Xvfb is not installed: no X server can start (tools/setup.sh installs it)"
  exit 77
fi
for tool in xdotool import identify convert compare; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/setup.sh installs it)"
done

xvfb_pid=""
demo_pid=""
cleanup_xvfb() {
  [ -z "$demo_pid" ] || kill -KILL "$demo_pid" 2>/dev/null || true
  [ -z "${wm_pid:-}" ] || kill "$wm_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || wait "$xvfb_pid" 2>/dev/null || true
  cleanup_work
}
trap cleanup_xvfb EXIT

# The SDL programs run on the X server; the sound goes nowhere. Leaks inside the
# system's X and media libraries are not this program's (sanitizer builds).
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
unset MOXA7730_SCALE SDL12COMPAT_WINDOW_SCALING SDL12COMPAT_SCALE_METHOD

start_xvfb() {
  rm -f -- "$WORK/display"
  # Xvfb picks a free display number itself and writes it to fd 3 once ready,
  # so parallel runs do not collide. -noreset: by default the server resets
  # when its last client leaves, and a program starting meanwhile cannot
  # connect (one program after another is what these scripts do).
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$WORK/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$WORK/display" ]; then
    cat "$WORK/xvfb.log"
    echo "SKIP: the X server (Xvfb) could not start"
    exit 77
  fi
  export DISPLAY=":$(tr -dc 0-9 <"$WORK/display")"
  echo "Xvfb $1 on $DISPLAY"
}

stop_xvfb() {
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
}

# find_window: waits up to 20 s for a visible window named MOXA7730 (sets wid,
# empty if none), and stops waiting as soon as the program has ended.
find_window() {
  wid=""
  for _ in $(seq 80); do
    wid=$(xdotool search --onlyvisible --name '^MOXA7730$' 2>/dev/null | head -n 1) || true
    [ -z "$wid" ] || return 0
    kill -0 "$demo_pid" 2>/dev/null || return 0
    sleep 0.25
  done
}

start_program() {
  "$2" >"$WORK/$1.log" 2>&1 &
  demo_pid=$!
  find_window
  if [ -z "$wid" ]; then
    cat "$WORK/$1.log" >&2
    if ! kill -0 "$demo_pid" 2>/dev/null; then
      local st=0
      wait "$demo_pid" || st=$?
      demo_pid=""
      echo "$1: the program ended with status $st before its window showed" >&2
    fi
    fail "$1: no window named MOXA7730 appeared"
  fi
}

expect_exit() {
  local tenths=$(($2 * 10)) st=0 want=${3:-0}
  for _ in $(seq "$tenths"); do
    kill -0 "$demo_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$demo_pid" 2>/dev/null; then
    kill -KILL "$demo_pid"
    fail "$1: still running after $2 s"
  fi
  wait "$demo_pid" || st=$?
  demo_pid=""
  if [ "$st" -ne "$want" ]; then
    cat "$WORK/$1.log" >&2
    fail "$1: exit status $st, expected $want"
  fi
}

press() {
  xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
  xdotool keydown "$1"
  sleep 0.15
  xdotool keyup "$1"
}

# capture_frames N: the presentations of demo_capture's first N frames, as
# $WORK/frames/frame-NNNNNN.png (made once).
capture_frames() {
  [ -d "$WORK/frames" ] && return 0
  "$CAPTURE" --frames "$1" --out "$WORK/frames" >/dev/null || fail "demo_capture failed"
}

# presentation_of PICTURE: the name of the presentation of demo_capture that is
# exactly PICTURE (256 x 256), or nothing.
presentation_of() {
  local sig
  sig=$(identify -format '%#' "$1")
  (cd "$WORK/frames" && identify -format '%# %f\n' frame-*.png) |
    awk -v s="$sig" '$1 == s && !m { m = $2 } END { print m }'
}
