# common.bash: shared by the end-to-end scripts of tests/e2e (sourced, not run).
#
# Every script is run by CTest as: bash SCRIPT BUILD_DIR SOURCE_DIR, where
# BUILD_DIR holds demo_capture (and demo_window). Exit 0 passes, 77 skips,
# anything else fails.
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: bash $0 BUILD_DIR SOURCE_DIR" >&2
  exit 2
fi
BIN_DIR=$(cd "$1" && pwd)
SRC_DIR=$(cd "$2" && pwd)
CAPTURE="$BIN_DIR/demo_capture"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/moxa-e2e.XXXXXX")
cleanup_work() { case "$WORK" in */moxa-e2e.*) rm -rf -- "$WORK" ;; esac; }
trap cleanup_work EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
pass() { echo "ok: $*"; }

[ -x "$CAPTURE" ] || fail "$CAPTURE is not built"

# run_capture NAME ARGS...: runs demo_capture, keeps its status in $status and
# its standard error in $WORK/NAME.err.
run_capture() {
  local name=$1
  shift
  status=0
  "$CAPTURE" "$@" >"$WORK/$name.out" 2>"$WORK/$name.err" || status=$?
}

# expect_status NAME WANTED: fails with the program's standard error otherwise.
expect_status() {
  if [ "$status" -ne "$2" ]; then
    cat "$WORK/$1.err" >&2
    fail "$1: exit status $status, expected $2"
  fi
}

# lines_with_frame FILE N: presentations of frame count N in a hash file.
lines_with_frame() { awk -v n="$2" '$2 == n' "$1" | wc -l; }

# hash_of FILE N K: the hash of the K-th presentation (from 1) of frame count N.
hash_of() { awk -v n="$2" -v k="$3" '$2 == n { if (++c == k) print $3 }' "$1"; }

# prefix_through FILE N: the hash lines up to and including the first
# presentation of frame count N.
prefix_through() { awk -v n="$2" '{ print } $2 == n { exit }' "$1"; }

# The 256 x 256 black screen.
BLACK_HASH=9c735bed0a722325

# wav_check FILE VALUES: a complete 44100 Hz, 16-bit, mono WAV of VALUES values.
wav_check() {
  local file=$1 values=$2 size head
  size=$(stat -c %s "$file")
  [ "$size" -eq $((44 + 2 * values)) ] || fail "$file: $size bytes, expected $((44 + 2 * values))"
  head=$(od -A n -t x1 -N 44 "$file" | tr -d ' \n')
  local riff data
  riff=$(printf '%08x' $((size - 8)) | sed -E 's/(..)(..)(..)(..)/\4\3\2\1/')
  data=$(printf '%08x' $((size - 44)) | sed -E 's/(..)(..)(..)(..)/\4\3\2\1/')
  # RIFF <size> WAVE, fmt chunk of 16: PCM, mono, 44100, 88200, 2, 16; data <size>
  local want="52494646${riff}57415645666d7420100000000100010044ac0000885801000200100064617461${data}"
  [ "$head" = "$want" ] || fail "$file: header $head, expected $want"
}
