# demo_window when the machine lets it down: no display (one clear message, a
# non-zero status, at once), no audio device (the demo runs silent and quits
# with status 0), and the X server dying under the window (the process ends
# within seconds instead of hanging).
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/xvfb.bash"

# --- No display: no DISPLAY at all, and one that names no server.
for case in "nodisplay:" "deadserver::9473"; do
  name=${case%%:*}
  display=${case#*:}
  status=0
  if [ -z "$display" ]; then
    env -u DISPLAY timeout 20 "$WINDOW" >"$WORK/$name.out" 2>"$WORK/$name.err" || status=$?
  else
    DISPLAY=$display timeout 20 "$WINDOW" >"$WORK/$name.out" 2>"$WORK/$name.err" || status=$?
  fi
  [ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "$name: exit status $status, expected a failure"
  grep -vi 'sanitizer\|^$' "$WORK/$name.err" >"$WORK/$name.lines" || true
  [ "$(wc -l <"$WORK/$name.lines")" -eq 1 ] || { cat "$WORK/$name.err" >&2; fail "$name: expected one line on standard error"; }
  grep -qx 'MOXA7730: cannot open the 256 x 256 display' "$WORK/$name.lines" ||
    fail "$name: message $(cat "$WORK/$name.lines")"
  pass "$name: '$(cat "$WORK/$name.lines")', status $status"
done

start_xvfb 640x480

# --- No audio device: a driver that cannot start leaves the demo silent.
for driver in nosuchdriver dsp; do
  SDL_AUDIODRIVER=$driver AUDIODEV=/nonexistent/dsp start_program "silent-$driver" "$WINDOW"
  sleep 1
  kill -0 "$demo_pid" 2>/dev/null || fail "silent-$driver: the demo ended without audio"
  press q
  expect_exit "silent-$driver" 5
  pass "no audio device (SDL_AUDIODRIVER=$driver): runs silent, q quits with status 0"
done

# --- The X server dies under the window.
start_program xdeath "$WINDOW"
sleep 1
kill -KILL "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""
started=$(date +%s%N)
for _ in $(seq 100); do
  kill -0 "$demo_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$demo_pid" 2>/dev/null && fail "xdeath: still running 10 s after the X server died"
status=0
wait "$demo_pid" || status=$?
demo_pid=""
pass "the X server died: the demo ended after $((($(date +%s%N) - started) / 1000000)) ms, status $status"
