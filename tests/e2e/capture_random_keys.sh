# A long run with a seeded random key script: 20000 frames in which every key
# but the quit keys is pressed at random frames (space among them, so every
# scene of the loop, the plasma scene included, is visited many times). The run
# must end cleanly; under the sanitizer presets this is the check that no scene,
# switch or revisit reads out of bounds, overflows or leaks (LeakSanitizer runs
# at exit, after the last frame).
source "$(dirname "$0")/common.bash"

FRAMES=20000
KEYS=(1 2 3 4 5 6 7 8 9 b g i m r u space space space)

RANDOM=7730  # seeded: the same script on every run
script=""
frame=0
while :; do
  frame=$((frame + 1 + RANDOM % 120))
  [ "$frame" -lt "$FRAMES" ] || break
  script="$script${script:+,}$frame:${KEYS[RANDOM % ${#KEYS[@]}]}"
done
presses=$(echo "$script" | tr ',' '\n' | wc -l)
spaces=$(echo "$script" | tr ',' '\n' | grep -c ':space$' || true)

# No output files: hashing every presentation would cost more than the run.
run_capture long --frames "$FRAMES" --keys "$script"
expect_status long 0
if grep -q -E 'runtime error|ERROR: (Address|Leak)Sanitizer' "$WORK/long.err"; then
  head -n 30 "$WORK/long.err" >&2
  fail "the sanitizers reported a fault"
fi
pass "$FRAMES frames with $presses random key presses ($spaces spaces) ran clean"
