# tools/run_demo.sh --headless OUT_DIR: a relative OUT_DIR is taken from the
# folder the script is run in, not the repository, and named in full.
source "$(dirname "$0")/common.bash"

name=moxa-run-demo-$$
mkdir "$WORK/here"
status=0
(cd "$WORK/here" && BUILD_DIR="$BIN_DIR" bash "$SRC_DIR/tools/run_demo.sh" --headless "$name") \
  >"$WORK/run.err" 2>&1 || status=$?
if [ -e "$SRC_DIR/$name" ]; then
  rm -rf -- "${SRC_DIR:?}/$name"
  fail "the capture went into the repository"
fi
expect_status run 0
grep -qF "into $WORK/here/$name/" "$WORK/run.err" || fail "the folder is not named in full: $(cat "$WORK/run.err")"
shown=$(wc -l <"$WORK/here/$name/hashes.txt")
pictures=$(ls "$WORK/here/$name"/frame-*.png | wc -l)
[ "$pictures" -eq $(((shown + 4) / 5)) ] || fail "$pictures pictures of $shown presentations"
wav_check "$WORK/here/$name/demo.wav" $((250 * 1764))
pass "a relative OUT_DIR is the caller's: $pictures pictures and the sound in $WORK/here/$name"
