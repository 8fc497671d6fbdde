#!/usr/bin/env bash
# Soak test of the whole demo: demo_capture runs for many frames under a
# seeded random key script that presses every key but the quit keys (a few
# hundred presses), and must run to the end. With two frame counts it also
# compares the peak resident memory of the two runs (same script), which must
# differ by less than 1 MiB: nothing may grow with the length of the run.
#
# usage: tools/soak.sh [--seed S] [--script-for L] FRAMES [FRAMES2]
#   FRAMES   run this many frames and print the peak resident memory
#   FRAMES2  run again for FRAMES2 frames and check the difference
#   --script-for L  make the key script for a run of L frames (default: the
#            longer run), e.g. the first 20,000 frames of the 100,000-frame one
# Environment: BUILD_DIR (default build/release). Under a sanitizer build,
# LeakSanitizer checks the ends of the runs (ASAN_OPTIONS as you set it).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$repo/build/release}

seed=7730
script_for=""
while [ $# -ge 2 ]; do
  case "$1" in
    --seed) seed=$2; shift 2 ;;
    --script-for) script_for=$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || { sed -n '2,15p' "$0" >&2; exit 2; }
source "$repo/tools/decimal.bash"
seed=$(decimal --seed "$seed" 0 2147483647)
[ -z "$script_for" ] || script_for=$(decimal --script-for "$script_for" 1 2147483647)
counts=()
for n in "$@"; do counts+=("$(decimal "frame counts" "$n" 1 2147483647)"); done
set -- "${counts[@]}"
[ -x "$build/demo_capture" ] || { echo "soak: no demo_capture in $build" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "soak: /usr/bin/time is missing (tools/setup.sh installs it)" >&2; exit 2; }

# The key script for the longest run, from a 31-bit linear congruential
# generator (the same script from the same seed on every machine). Three
# presses in four are command keys; the rest any printable key but q and Q.
longest=$1
[ $# -lt 2 ] || [ "$2" -le "$longest" ] || longest=$2
[ -z "$script_for" ] || longest=$script_for
presses=$((longest / 250))
[ "$presses" -ge 20 ] || presses=20
[ "$presses" -le 400 ] || presses=400
state=$((seed & 0x7FFFFFFF))
draw() { state=$(((state * 1103515245 + 12345) & 0x7FFFFFFF)); r=$((state >> 8)); }
commands=(space 1 2 3 4 5 6 7 8 9 b g i m r u)
gap=$((2 * longest / presses))
[ "$gap" -ge 2 ] || gap=2
script=""
frame=0
for _ in $(seq "$presses"); do
  draw
  frame=$((frame + 1 + r % gap))
  draw
  if [ $((r % 4)) -ne 0 ]; then
    key=${commands[$((r % ${#commands[@]}))]}
  else
    code=$((33 + r % 94))
    [ "$code" -ne 81 ] && [ "$code" -ne 113 ] || code=$((code + 1))  # not Q, q
    key=$(printf "\\$(printf '%03o' "$code")")
  fi
  script+="${script:+,}$frame:$key"
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/moxa-soak.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT
printf '%s\n' "$script" >"$tmp/script.txt"

# run FRAMES: one capture; sets rss (KiB, peak) and seconds.
run() {
  local status=0
  /usr/bin/time -f '%M %e' -o "$tmp/time.txt" \
    "$build/demo_capture" --frames "$1" --keys "$script" >"$tmp/out.txt" 2>"$tmp/err.txt" || status=$?
  if [ "$status" -ne 0 ]; then
    cat "$tmp/err.txt" >&2
    echo "soak: demo_capture --frames $1 ended with status $status (seed $seed)" >&2
    exit 1
  fi
  read -r rss seconds <"$tmp/time.txt"
  echo "soak: $1 frames, script of $presses presses for $longest frames (seed $seed): peak RSS $rss KiB, $seconds s"
}

run "$1"
[ $# -ge 2 ] || exit 0
first=$rss
run "$2"
growth=$((rss - first))
echo "soak: peak RSS $first KiB at $1 frames, $rss KiB at $2 frames: growth $growth KiB"
if [ "${growth#-}" -ge 1024 ]; then
  echo "soak: the resident memory changed by 1 MiB or more" >&2
  exit 1
fi
