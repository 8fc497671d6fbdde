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
