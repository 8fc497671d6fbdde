# demo_capture's command line: --help, refused lines (what was wrong and where
# to look on standard error, status 2, nothing written), and the outputs of a
# short run.
source "$(dirname "$0")/common.bash"

run_capture help --help
expect_status help 0
grep -q -- '--frames N' "$WORK/help.out" || fail "--help does not print the usage"
[ ! -s "$WORK/help.err" ] || fail "--help wrote to standard error"

# Each refused line names outputs in an empty folder, which must stay empty.
mkdir "$WORK/untouched"
U="$WORK/untouched"
n=0
while IFS= read -r line; do
  [ -n "$line" ] || continue
  n=$((n + 1))
  eval "set -- $line"
  run_capture "bad$n" "$@"
  expect_status "bad$n" 2
  [ "$(wc -l <"$WORK/bad$n.err")" -eq 2 ] || fail "line $n ($line): expected two lines on standard error"
  grep -Eq '^demo_capture: [^ ].+' "$WORK/bad$n.err" || fail "line $n ($line): the reason is missing"
  grep -q -- "--help" "$WORK/bad$n.err" || fail "line $n ($line): no pointer to --help"
  [ ! -s "$WORK/bad$n.out" ] || fail "line $n ($line): wrote to standard output"
  [ -z "$(ls -A "$U")" ] || fail "line $n ($line): wrote $(ls -A "$U")"
done <<EOF
--out $U/frames --wav $U/a.wav --hashes $U/h.txt
--frames --out $U/frames
--frames 0 --out $U/frames --wav $U/a.wav
--frames -3 --hashes $U/h.txt
--frames ten --hashes $U/h.txt
--frames 10 --every 0 --out $U/frames
--frames 10 --every x --out $U/frames
--frames 10 --keys 5:nope --wav $U/a.wav
--frames 10 --keys 0:q --wav $U/a.wav
--frames 10 --keys '5:q,' --wav $U/a.wav
--frames 10 --out $U/frames --bogus
--frames 10 --frames 20 --hashes $U/h.txt
--frames 10 --hashes $U/h.txt --wav
--frames 10 --out $U/frames stray
EOF
pass "$n refused command lines, nothing written"

# The reasons, word for word, for a few of them.
reason() {
  run_capture reason "$@"
  expect_status reason 2
  head -n 1 "$WORK/reason.err"
}
[ "$(reason --frames 10 --keys 5:nosuchkey)" = "demo_capture: unknown key 'nosuchkey' at frame 5 in --keys" ] ||
  fail "unknown key: $(head -n 1 "$WORK/reason.err")"
[ "$(reason --frames 10 --every 0)" = "demo_capture: --every needs a whole number of at least 1" ] ||
  fail "--every 0: $(head -n 1 "$WORK/reason.err")"
[ "$(reason --frames 10 --fps 50)" = "demo_capture: unknown option '--fps'" ] ||
  fail "unknown option: $(head -n 1 "$WORK/reason.err")"
[ "$(reason --out x)" = "demo_capture: --frames N is required" ] ||
  fail "no --frames: $(head -n 1 "$WORK/reason.err")"
pass "refusals say what was wrong"

# A short run writes every output; the folder is created as needed.
run_capture short --frames 3 --out "$WORK/out/deep" --every 7 --wav "$WORK/s.wav" --hashes "$WORK/s.txt"
expect_status short 0
# Scene A's set-up fades out first: 32 presentations at frame count 0, then
# frames 1, 2 and 3 (the run ends with frame 3's presentation).
[ "$(wc -l <"$WORK/s.txt")" -eq 35 ] || fail "short run: $(wc -l <"$WORK/s.txt") hash lines, expected 35"
[ "$(lines_with_frame "$WORK/s.txt" 0)" -eq 32 ] || fail "short run: expected 32 fade-out presentations at frame 0"
[ "$(tail -n 1 "$WORK/s.txt" | cut -d' ' -f1,2)" = "34 3" ] || fail "short run: last line $(tail -n 1 "$WORK/s.txt")"
grep -Eqv '^[0-9]+ [0-9]+ [0-9a-f]{16}$' "$WORK/s.txt" && fail "short run: malformed hash line"
ls "$WORK/out/deep" | sort >"$WORK/pngs.txt"
printf 'frame-000000.png\nframe-000007.png\nframe-000014.png\nframe-000021.png\nframe-000028.png\n' >"$WORK/want.txt"
diff "$WORK/want.txt" "$WORK/pngs.txt" >&2 || fail "short run: unexpected frame files"
# Three frames of 40 ms are 3 x 1764 audio values.
wav_check "$WORK/s.wav" $((3 * 1764))
if command -v identify >/dev/null; then
  size=$(identify -format '%w %h' "$WORK/out/deep/frame-000028.png")
  [ "$size" = "256 256" ] || fail "frame file is $size, expected 256 256"
fi
pass "short run: hashes, every 7th frame, WAV"

# Without --hashes, --out or --wav nothing is written at all.
mkdir "$WORK/quiet" && cd "$WORK/quiet"
run_capture quiet --frames 5
expect_status quiet 0
[ -z "$(ls -A .)" ] || fail "a run without outputs wrote $(ls -A .)"
pass "a run without outputs writes nothing"
