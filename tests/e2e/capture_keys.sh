# Keys through the capture: space ends a scene early, 6 doubles the virtual
# rate, m switches fading, and the quit keys (q, Q, Escape, the window's close
# request) fade out over 32 presentations and end with status 0.
source "$(dirname "$0")/common.bash"

# Reference runs: no keys, and two spaces that reach scene C (scroller wall),
# where fading shows.
run_capture plain --frames 40 --hashes "$WORK/plain.txt"
expect_status plain 0
SPACES="10:space,20:space"
run_capture base --frames 120 --keys "$SPACES" --hashes "$WORK/base.txt" --wav "$WORK/base.wav"
expect_status base 0

# space at frame 10: the next scene's 32-pass fade-out runs right after frame
# 10's presentation, before frame 11; everything up to frame 10 is unchanged.
[ "$(lines_with_frame "$WORK/plain.txt" 10)" -eq 1 ] || fail "without keys frame 10 is presented once"
[ "$(lines_with_frame "$WORK/base.txt" 10)" -eq 33 ] || fail "space: expected frame 10 and 32 fade-out presentations"
[ "$(lines_with_frame "$WORK/base.txt" 20)" -eq 33 ] || fail "second space: expected 32 fade-out presentations after frame 20"
cmp <(prefix_through "$WORK/plain.txt" 10) <(prefix_through "$WORK/base.txt" 10) ||
  fail "space changed presentations before it was pressed"
[ "$(hash_of "$WORK/base.txt" 11 1)" != "$(hash_of "$WORK/plain.txt" 11 1)" ] ||
  fail "space: frame 11 still shows the first scene"
pass "space ends the scene after the frame it is pressed in"

# 6 at frame 40: from frame 41 on each frame lasts 20 ms instead of 40 ms, so
# the sound has half as many values per frame; the pictures do not change.
run_capture six --frames 120 --keys "$SPACES,40:6" --hashes "$WORK/six.txt" --wav "$WORK/six.wav"
expect_status six 0
cmp "$WORK/base.txt" "$WORK/six.txt" || fail "6 changed the pictures"
wav_check "$WORK/base.wav" $((120 * 1764))
wav_check "$WORK/six.wav" $((40 * 1764 + 80 * 882))
run_capture five --frames 120 --keys "$SPACES,40:6,80:5" --wav "$WORK/five.wav"
expect_status five 0
wav_check "$WORK/five.wav" $((40 * 1764 + 40 * 882 + 40 * 1764))
pass "6 doubles the virtual rate, 5 restores it"

# With the overlay on (8), the measured rate it shows in its first row, two
# hexadecimal digits of 16 x 16 at the top-left corner, is all that 6 changes
# (0x19 at 25 frames per second; more once 50 frames per second are measured).
if command -v convert >/dev/null; then
  run_capture over25 --frames 100 --keys "5:8" --out "$WORK/over25" --hashes "$WORK/over25.txt"
  expect_status over25 0
  run_capture over50 --frames 100 --keys "5:8,40:6" --out "$WORK/over50"
  expect_status over50 0
  last=$(printf 'frame-%06d.png' "$(tail -n 1 "$WORK/over25.txt" | cut -d' ' -f1)")
  box=$(convert "$WORK/over25/$last" "$WORK/over50/$last" -compose difference -composite \
    -format '%@' info: 2>/dev/null)
  echo "$box" | awk -F'[x+]' '{ exit !($1 > 0 && $2 > 0 && $3 + $1 <= 32 && $4 + $2 <= 16) }' ||
    fail "6 with the overlay on changed the region $box, expected inside 32 x 16 at the top-left corner"
  pass "the overlay's measured rate is the only picture 6 changes ($box)"
fi

# m at frame 60 (scene C): frame 60 is still faded into frame 61's background,
# from then on every frame starts black, so pictures differ from frame 62 on.
run_capture fade --frames 120 --keys "$SPACES,60:m" --hashes "$WORK/fade.txt"
expect_status fade 0
cmp <(prefix_through "$WORK/base.txt" 61) <(prefix_through "$WORK/fade.txt" 61) ||
  fail "m changed presentations before it took effect"
[ "$(hash_of "$WORK/base.txt" 62 1)" != "$(hash_of "$WORK/fade.txt" 62 1)" ] ||
  fail "m: frame 62 did not change"
changed=$(paste -d' ' "$WORK/base.txt" "$WORK/fade.txt" | awk '$3 != $6' | wc -l)
[ "$changed" -ge 50 ] || fail "m: only $changed presentations changed"
# m twice: one frame starts black, then fading resumes; the scene's fade colour
# (at least 0x40 per channel) wipes every trail within four frames, after which
# the pictures are those of the run without m again.
run_capture fade2 --frames 120 --keys "$SPACES,60:m,61:m" --hashes "$WORK/fade2.txt"
expect_status fade2 0
[ "$(hash_of "$WORK/fade2.txt" 62 1)" != "$(hash_of "$WORK/base.txt" 62 1)" ] ||
  fail "m pressed twice: frame 62 should start black"
cmp <(awk '$2 >= 70' "$WORK/base.txt") <(awk '$2 >= 70' "$WORK/fade2.txt") ||
  fail "m pressed twice: fading did not come back"
pass "m switches fading ($changed presentations changed)"

# q at frame 70: frame 70's presentation, 32 fade-out presentations (the last
# ones black), status 0, and nothing after; the sound file is complete.
run_capture q --frames 1000 --keys "$SPACES,70:q" --hashes "$WORK/q.txt" --wav "$WORK/q.wav"
expect_status q 0
prefix_through "$WORK/base.txt" 70 >"$WORK/base70.txt"
[ "$(wc -l <"$WORK/q.txt")" -eq $(($(wc -l <"$WORK/base70.txt") + 32)) ] ||
  fail "q: $(wc -l <"$WORK/q.txt") presentations, expected those through frame 70 and 32 more"
cmp <(head -n "$(wc -l <"$WORK/base70.txt")" "$WORK/q.txt") "$WORK/base70.txt" ||
  fail "q: the presentations before the fade-out changed"
[ "$(lines_with_frame "$WORK/q.txt" 70)" -eq 33 ] || fail "q: the fade-out is not 32 presentations of frame 70"
[ "$(tail -n 1 "$WORK/q.txt" | cut -d' ' -f3)" = "$BLACK_HASH" ] || fail "q: the fade-out does not end black"
wav_check "$WORK/q.wav" $((70 * 1764))
pass "q fades out over 32 presentations and ends with status 0"

# Every quit key takes the same path.
for key in Q esc quit; do
  run_capture "quit-$key" --frames 1000 --keys "$SPACES,70:$key" --hashes "$WORK/$key.txt"
  expect_status "quit-$key" 0
  cmp "$WORK/q.txt" "$WORK/$key.txt" || fail "$key does not quit as q does"
done
pass "Q, Escape and the close request quit as q does"

# A close request followed by a key press in the same poll still quits.
run_capture quit-then-key --frames 1000 --keys "$SPACES,70:quit,70:g" --hashes "$WORK/quit-g.txt"
expect_status quit-then-key 0
cmp "$WORK/q.txt" "$WORK/quit-g.txt" || fail "a key after the close request in the same poll cancelled it"
pass "a close request outlasts a key pressed after it in the same frame"
