# The short form of tools/soak.sh: a seeded random key script (every key but
# the quit keys) for 2,000 and 6,000 frames; both runs reach the end and their
# peak resident memory differs by less than 1 MiB. In a sanitizer build, whose
# allocator keeps freed memory aside on purpose, one run of 2,000 frames,
# which LeakSanitizer checks at its end.
source "$(dirname "$0")/common.bash"

# Numbers with leading zeros are decimal: a stand-in demo_capture that fails at
# once shows the frame count it was given, and the message the seed.
mkdir "$WORK/fake"
printf '#!/bin/sh\necho "demo_capture $*" >&2\nexit 1\n' >"$WORK/fake/demo_capture"
chmod +x "$WORK/fake/demo_capture"
BUILD_DIR="$WORK/fake" bash "$SRC_DIR/tools/soak.sh" --seed 010 0250 2>"$WORK/fake.err" &&
  fail "soak.sh succeeded without demo_capture"
grep -q '^demo_capture --frames 250 ' "$WORK/fake.err" && grep -q '(seed 10)$' "$WORK/fake.err" ||
  fail "--seed 010 0250: $(cat "$WORK/fake.err")"
pass "the seed and the frame counts are read as decimal"

export BUILD_DIR="$BIN_DIR"
if grep -q AddressSanitizer "$CAPTURE"; then
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=1"
  bash "$SRC_DIR/tools/soak.sh" --script-for 6000 2000 || fail "the soak run failed"
  pass "2,000 frames of random keys, clean under the sanitizers"
else
  bash "$SRC_DIR/tools/soak.sh" 2000 6000 || fail "the soak runs failed"
  pass "2,000 and 6,000 frames of random keys, the same peak memory"
fi
