# Stopping demo_capture from outside: SIGINT, SIGTERM and SIGHUP end a long
# run with status 0 and complete files (a WAV whose header states its data, a
# hash file of whole lines, the sound matching the last frame); a reader of the
# hash file that goes away (SIGPIPE) ends it with status 1, the WAV complete.
source "$(dirname "$0")/common.bash"

# wait_for_data FILE PID: waits until FILE holds more than a WAV header.
wait_for_data() {
  for _ in $(seq 600); do
    [ "$(stat -c %s "$1" 2>/dev/null || echo 0)" -gt 50000 ] && return 0
    kill -0 "$2" 2>/dev/null || fail "demo_capture ended before the signal"
    sleep 0.05
  done
  fail "demo_capture wrote no sound within 30 s"
}

# Job control gives the runs below the signal dispositions of a command typed
# at a terminal (a plain background job would ignore SIGINT, and a signal
# ignored from the start stays ignored).
set -m
for sig in INT TERM HUP; do
  "$CAPTURE" --frames 1000000 --wav "$WORK/$sig.wav" --hashes "$WORK/$sig.txt" \
    >"$WORK/$sig.out" 2>"$WORK/$sig.err" &
  pid=$!
  wait_for_data "$WORK/$sig.wav" "$pid"
  kill "-$sig" "$pid"
  status=0
  wait "$pid" || status=$?
  expect_status "$sig" 0
  grep -Eqv '^[0-9]+ [0-9]+ [0-9a-f]{16}$' "$WORK/$sig.txt" && fail "SIG$sig: a hash line is cut or malformed"
  last_frame=$(tail -n 1 "$WORK/$sig.txt" | cut -d' ' -f2)
  [ "$last_frame" -gt 0 ] || fail "SIG$sig: no frame was presented"
  # The sound runs to the last presented frame's tick: 1764 values a frame.
  wav_check "$WORK/$sig.wav" $((last_frame * 1764))
  pass "SIG$sig: status 0 after frame $last_frame, files complete"
done

# Started with SIGHUP ignored (nohup), the run survives a hangup and still
# stops on SIGTERM.
(trap '' HUP && exec "$CAPTURE" --frames 1000000 --wav "$WORK/nohup.wav" >/dev/null 2>"$WORK/nohup.err") &
pid=$!
wait_for_data "$WORK/nohup.wav" "$pid"
kill -HUP "$pid"
sleep 0.3
kill -0 "$pid" 2>/dev/null || fail "a run that ignores SIGHUP ended on it"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
expect_status nohup 0
size=$(stat -c %s "$WORK/nohup.wav")
wav_check "$WORK/nohup.wav" $(((size - 44) / 2))
pass "an ignored SIGHUP stays ignored"
set +m

# The hash file read by a pipe that closes after its first line.
set +e +o pipefail
"$CAPTURE" --frames 1000000 --wav "$WORK/pipe.wav" --hashes /dev/stdout 2>"$WORK/pipe.err" |
  head -n 1 >"$WORK/pipe.txt"
status=${PIPESTATUS[0]}
set -e -o pipefail
expect_status pipe 1
grep -q '^demo_capture: cannot write /dev/stdout: Broken pipe' "$WORK/pipe.err" || fail "SIGPIPE: no message about the hash file"
[ "$(cut -d' ' -f1,2 "$WORK/pipe.txt")" = "0 0" ] || fail "SIGPIPE: the reader saw $(cat "$WORK/pipe.txt")"
size=$(stat -c %s "$WORK/pipe.wav")
wav_check "$WORK/pipe.wav" $(((size - 44) / 2))
pass "SIGPIPE: status 1, the WAV complete ($size bytes)"

# The raw pictures read by a pipe that closes early: a failed write too, not a
# stop, though the write it cuts short had written part of a picture.
set +e +o pipefail
"$CAPTURE" --frames 1000000 --raw - 2>"$WORK/rawpipe.err" | head -c 100000 >/dev/null
status=${PIPESTATUS[0]}
set -e -o pipefail
expect_status rawpipe 1
grep -q '^demo_capture: cannot write -: Broken pipe' "$WORK/rawpipe.err" || fail "SIGPIPE on --raw: no message"
pass "SIGPIPE on --raw: status 1"

# --raw into a FIFO whose reader never reads: the capture blocks in the write
# once the pipe is full. SIGTERM ends that write and the run (status 0, the WAV
# and the hashes complete). With the hashes going there as well, the exit path
# blocks again in their last flush: a second SIGTERM ends the process at once.
blocked_in_write() {
  for _ in $(seq 100); do
    grep -q pipe_write "/proc/$1/wchan" 2>/dev/null && return 0
    kill -0 "$1" 2>/dev/null || fail "demo_capture ended before the signal"
    sleep 0.05
  done  # no such kernel symbol: the pipe is full by now in any case
}
# wait_at_most SECONDS PID: waits for PID and sets $status; fails after SECONDS.
wait_at_most() {
  for _ in $(seq $(($1 * 20))); do
    kill -0 "$2" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$2" 2>/dev/null; then
    kill -KILL "$2"
    fail "demo_capture still runs $1 s after the signal"
  fi
  status=0
  wait "$2" || status=$?
}
mkfifo "$WORK/raw.fifo"
set -m
sleep 600 <"$WORK/raw.fifo" >/dev/null 2>&1 &
reader=$!
trap 'kill "$reader" 2>/dev/null; cleanup_work' EXIT
"$CAPTURE" --frames 1000000 --raw "$WORK/raw.fifo" --wav "$WORK/stalled.wav" \
  --hashes "$WORK/stalled.txt" >/dev/null 2>"$WORK/stalled.err" &
pid=$!
blocked_in_write "$pid"
kill -TERM "$pid"
wait_at_most 10 "$pid"
expect_status stalled 0
last_frame=$(tail -n 1 "$WORK/stalled.txt" | cut -d' ' -f2)
[ "$last_frame" -gt 0 ] || fail "stalled --raw: no frame was presented"
wav_check "$WORK/stalled.wav" $((last_frame * 1764))
pass "stalled --raw: SIGTERM ends the blocked write, status 0 after frame $last_frame, files complete"

"$CAPTURE" --frames 1000000 --raw "$WORK/raw.fifo" --hashes "$WORK/raw.fifo" >/dev/null \
  2>"$WORK/twice.err" &
pid=$!
blocked_in_write "$pid"
kill -TERM "$pid"
sleep 0.3
kill -TERM "$pid"
wait_at_most 10 "$pid"
expect_status twice 143
set +m
pass "a second SIGTERM ends a run whose exit is blocked at once (status 143)"
