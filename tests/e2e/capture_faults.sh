# demo_capture when its outputs cannot be written: an unwritable folder, a
# full disk (real, on a tiny tmpfs in a private mount namespace, where one can
# be made; and always the same failure through the file size limit). Each
# time: one clear message naming the file and the reason, a non-zero status,
# and no half-written file left looking complete (the failed PNG and a failed
# WAV are removed; the PNGs before the failure are whole).
source "$(dirname "$0")/common.bash"

# expect_failure NAME PATTERN: status 1 and PATTERN on the first line of
# standard error.
expect_failure() {
  [ "$status" -ne 0 ] || fail "$1: exit status 0 although an output failed"
  head -n 1 "$WORK/$1.err" | grep -Eq "$2" || {
    cat "$WORK/$1.err" >&2
    fail "$1: expected a message like '$2'"
  }
}

# pngs_whole DIR: every PNG left in DIR reads as a whole 256 x 256 picture.
pngs_whole() {
  local f n=0
  for f in "$1"/frame-*.png; do
    [ -e "$f" ] || continue
    [ "$(identify -format '%w %h' "$f" 2>/dev/null)" = "256 256" ] || fail "$f is broken"
    n=$((n + 1))
  done
  echo "$n"
}
command -v identify >/dev/null || fail "identify is missing (imagemagick)"

# --- A folder that cannot be made, and one that cannot be written.
run_capture noparent --frames 5 --out /proc/moxa7730/frames
expect_failure noparent "^demo_capture: cannot create the folder /proc/moxa7730/frames: "
pass "a folder that cannot be made: $(head -n 1 "$WORK/noparent.err")"

mkdir -p "$WORK/locked"
chmod 555 "$WORK/locked"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  # Root writes anywhere: run as nobody instead, where that can be done.
  if command -v setpriv >/dev/null && setpriv --reuid=nobody --regid=nogroup --clear-groups true 2>/dev/null; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chmod 755 "$WORK"
  fi
fi
if [ "$(id -u)" -ne 0 ] || [ ${#as_user[@]} -gt 0 ]; then
  status=0
  "${as_user[@]}" "$CAPTURE" --frames 5 --out "$WORK/locked" >"$WORK/locked.out" 2>"$WORK/locked.err" || status=$?
  expect_failure locked "^demo_capture: cannot write $WORK/locked/frame-000000.png: Permission denied"
  [ -z "$(ls -A "$WORK/locked")" ] || fail "locked: files appeared in the unwritable folder"
  status=0
  "${as_user[@]}" "$CAPTURE" --frames 5 --wav "$WORK/locked/a.wav" >"$WORK/lockedwav.out" 2>"$WORK/lockedwav.err" || status=$?
  expect_failure lockedwav "^demo_capture: cannot create $WORK/locked/a.wav: Permission denied"
  pass "an unwritable folder: $(head -n 1 "$WORK/locked.err")"
else
  echo "note: running as root without setpriv: the unwritable-folder case is left out"
fi

# --- The file size limit: writes fail as on a full disk (SIGXFSZ ignored).
limited() { (trap '' XFSZ; ulimit -f "$1"; shift; run_capture "$@"; exit "$status") || status=$?; }
status=0
limited 1 pnglimit --frames 60 --out "$WORK/limit"
expect_failure pnglimit "^demo_capture: cannot write $WORK/limit/frame-[0-9]{6}\\.png: File too large"
failed=$(sed -n 's/.*\(frame-[0-9]*\.png\).*/\1/p' "$WORK/pnglimit.err" | head -n 1)
[ ! -e "$WORK/limit/$failed" ] || fail "pnglimit: the failed $failed was left behind"
pass "PNGs over the limit: $(pngs_whole "$WORK/limit") whole PNGs kept, $failed removed"

status=0
limited 16 wavlimit --frames 250 --wav "$WORK/limit.wav" --hashes "$WORK/limit.txt"
expect_failure wavlimit "^demo_capture: cannot write $WORK/limit.wav: File too large"
[ ! -e "$WORK/limit.wav" ] || fail "wavlimit: the incomplete WAV was left behind"
pass "a WAV over the limit is reported and removed"

# --- A real full disk, where a private tmpfs can be mounted.
if command -v unshare >/dev/null && unshare -rm true 2>/dev/null; then
  mkdir -p "$WORK/disk"
  status=0
  unshare -rm sh -c 'mount -t tmpfs -o size=48k tmpfs "$1" && shift && exec "$@"' sh \
    "$WORK/disk" "$CAPTURE" --frames 250 --out "$WORK/disk/frames" --wav "$WORK/disk/a.wav" \
    >"$WORK/disk.out" 2>"$WORK/disk.err" || status=$?
  expect_failure disk "^demo_capture: cannot write $WORK/disk/.*: No space left on device"
  pass "a full disk: $(head -n 1 "$WORK/disk.err")"
else
  echo "note: no private mount namespace here: the real full disk is left out"
fi
