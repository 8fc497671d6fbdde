# demo_window on a 1024 x 768 desktop (Xvfb): the window is enlarged by the
# largest whole factor within three quarters of the height (2: 512 x 512), with
# sharp pixels (every 2 x 2 block one colour, and the picture shrunk back is
# exactly one of demo_capture's presentations); MOXA7730_SCALE=1 gives the
# exact 256 x 256 window; demo_fullscreen fills the screen's height with a
# square, sharp picture (3 x: 768 x 768, centred).
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/xvfb.bash"

start_xvfb 1024x768

# shot_matches NAME SHOT FACTOR: SHOT is a presentation enlarged FACTOR times.
shot_matches() {
  local name=$1 shot=$2 k=$3 side=$((256 * $3))
  [ "$(identify -format '%w %h' "$shot")" = "$side $side" ] ||
    fail "$name: the picture is $(identify -format '%w x %h' "$shot"), expected $side x $side"
  convert "$shot" -sample 256x256 "$WORK/$name.small.png"
  # Enlarged again by pixel repetition it must be the shot itself: no blur.
  convert "$WORK/$name.small.png" -sample "${side}x${side}" "$WORK/$name.again.png"
  local diff
  diff=$( (compare -metric AE "$shot" "$WORK/$name.again.png" null: 2>&1 || true) | cut -d' ' -f1)
  [ "$diff" = 0 ] || fail "$name: $diff pixels differ from their $k x $k block: not sharp"
  capture_frames 400
  local match
  match=$(presentation_of "$WORK/$name.small.png")
  [ -n "$match" ] || fail "$name: the picture shrunk back matches no presentation of demo_capture"
  pass "$name: sharp $k x enlargement of presentation $match"
}

# --- The factor that fits the desktop.
start_program window "$WINDOW"
geometry=$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: *//p')
[ "$geometry" = "512x512" ] || fail "the window is $geometry on 1024 x 768, expected 512x512"
pass "on 1024 x 768 the window is 512 x 512"
sleep 2
import -window "$wid" "$WORK/window.png"
shot_matches window "$WORK/window.png" 2
press q
expect_exit window 5

# --- MOXA7730_SCALE=1: the exact picture.
MOXA7730_SCALE=1 start_program scale1 "$WINDOW"
geometry=$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: *//p')
[ "$geometry" = "256x256" ] || fail "MOXA7730_SCALE=1: the window is $geometry, expected 256x256"
sleep 1
import -window "$wid" "$WORK/scale1.png"
shot_matches scale1 "$WORK/scale1.png" 1
press q
expect_exit scale1 5

# --- Full screen: the square picture fills the height, centred, sharp. Going
# full screen is the window manager's part of the work: a small one runs.
command -v matchbox-window-manager >/dev/null ||
  fail "matchbox-window-manager is missing (tools/setup.sh installs it)"
matchbox-window-manager -use_titlebar no >"$WORK/wm.log" 2>&1 &
wm_pid=$!
sleep 1
start_program fullscreen "$FULLSCREEN"
sleep 2
import -window root "$WORK/root.png"
convert "$WORK/root.png" -crop 768x768+128+0 +repage "$WORK/full.png"
shot_matches fullscreen "$WORK/full.png" 3
for bar in 128x768+0+0 128x768+896+0; do
  max=$(convert "$WORK/root.png" -crop "$bar" +repage -format '%[fx:int(maxima * 255)]' info:)
  [ "$max" -eq 0 ] || fail "fullscreen: the side band $bar is not black (max $max)"
done
pass "fullscreen: black side bands, the square picture between them"
press q
expect_exit fullscreen 5
kill "$wm_pid" 2>/dev/null || true
