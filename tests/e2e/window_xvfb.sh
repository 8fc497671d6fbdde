# demo_window in a real X server (Xvfb, no window manager): the window is named
# MOXA7730 and is 256 x 256; a screenshot of it is exactly one of the pictures
# that demo_capture presents; and q, SIGTERM and the window's close request
# each end the program with status 0 within a few seconds.
#
# Skips (77) only when the X server cannot start at all.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/xvfb.bash"
command -v c++ >/dev/null || fail "c++ is missing (tools/setup.sh installs it)"

start_xvfb 640x480

c++ -std=c++17 -O1 -o "$WORK/send_close" "$SRC_DIR/tests/e2e/send_close.cpp" -lX11 ||
  fail "cannot build the close-request sender (libx11-dev)"

# start_demo NAME: starts demo_window and waits for its window (sets wid).
start_demo() {
  started=$(date +%s%N)
  start_program "$1" "$WINDOW"
}

# --- The window and its picture; q quits.
start_demo picture
geometry=$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: *//p')
[ "$geometry" = "256x256" ] || fail "the window is $geometry, expected 256x256"
pass "window MOXA7730 is 256 x 256"

# The first scene's bars swing from edge to edge and bunch into a few dark
# columns at each end of the swing, so a single shot may catch a frame that is
# nearly black: shots are taken a few tenths of a second apart until one is a
# picture.
sleep 2
for _ in $(seq 12); do
  import -window "$wid" "$WORK/shot.png"
  elapsed_ms=$((($(date +%s%N) - started) / 1000000))
  size=$(identify -format '%w %h' "$WORK/shot.png")
  [ "$size" = "256 256" ] || fail "the screenshot is $size, expected 256 256"
  mean=$(convert "$WORK/shot.png" -colorspace Gray -format '%[fx:int(mean * 1000)]' info:)
  colours=$(identify -format '%k' "$WORK/shot.png")
  [ "$mean" -ge 10 ] && [ "$colours" -ge 16 ] && break
  sleep 0.3
done
[ "$mean" -ge 10 ] || fail "the screenshots are (nearly) black: mean $mean / 1000"
[ "$colours" -ge 16 ] || fail "the screenshots have only $colours colours"
pass "the screenshot is a picture (mean brightness $mean / 1000, $colours colours)"

# The demo is the same frame for frame: the screenshot is one of the pictures
# demo_capture presents in the same time (25 frames per second, and a margin).
frames=$((elapsed_ms * 25 / 1000 + 50))
"$CAPTURE" --frames "$frames" --out "$WORK/frames" >/dev/null || fail "demo_capture failed"
shot=$(identify -format '%#' "$WORK/shot.png")
match=$(cd "$WORK/frames" && identify -format '%# %f\n' frame-*.png | awk -v s="$shot" '$1 == s && !m { m = $2 } END { print m }')
[ -n "$match" ] || fail "the screenshot matches none of the $(ls "$WORK/frames" | wc -l) presentations of the first $frames frames"
pass "the screenshot is exactly presentation $match of demo_capture"

press q
expect_exit picture 5
pass "q ends demo_window with status 0"

# --- SIGTERM
start_demo sigterm
sleep 0.5
kill -TERM "$demo_pid"
expect_exit sigterm 5
pass "SIGTERM ends demo_window with status 0"

# --- The window's close request (what a window manager's close button sends)
start_demo close
sleep 0.5
"$WORK/send_close" "$wid" || fail "cannot send the close request"
expect_exit close 5
pass "the close request ends demo_window with status 0"
