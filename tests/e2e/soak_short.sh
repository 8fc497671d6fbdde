# The short form of tools/soak.sh: a seeded random key script (every key but
# the quit keys) for 2,000 and 6,000 frames; both runs reach the end and their
# peak resident memory differs by less than 1 MiB. In a sanitizer build, whose
# allocator keeps freed memory aside on purpose, one run of 2,000 frames,
# which LeakSanitizer checks at its end.
source "$(dirname "$0")/common.bash"

export BUILD_DIR="$BIN_DIR"
if grep -q AddressSanitizer "$CAPTURE"; then
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=1"
  bash "$SRC_DIR/tools/soak.sh" --script-for 6000 2000 || fail "the soak run failed"
  pass "2,000 frames of random keys, clean under the sanitizers"
else
  bash "$SRC_DIR/tools/soak.sh" 2000 6000 || fail "the soak runs failed"
  pass "2,000 and 6,000 frames of random keys, the same peak memory"
fi
