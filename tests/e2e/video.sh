# tools/make_video.sh: a 2-second video has one H.264 stream (yuv420p, 25 fps,
# the picture enlarged 3 x) and one AAC stream, 50 pictures and a duration of
# 2 s within one picture; the sound is not silent; and a picture taken from the
# video, shrunk back, is the presentation demo_capture shows at that frame.
source "$(dirname "$0")/common.bash"

for tool in ffmpeg ffprobe; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/setup.sh installs ffmpeg)"
done

# SECONDS and SCALE are decimal, leading zeros or not, and checked: a stand-in
# demo_capture that fails at once shows what the first line made of them.
mkdir "$WORK/fake"
printf '#!/bin/sh\nexit 1\n' >"$WORK/fake/demo_capture"
chmod +x "$WORK/fake/demo_capture"
make_fake() { BUILD_DIR="$WORK/fake" bash "$SRC_DIR/tools/make_video.sh" "$1" "$WORK/x.mp4" >"$WORK/fake.log" 2>&1; }
SCALE=010 make_fake 08 && fail "make_video.sh succeeded without pictures"
grep -q '^make_video: 200 frames (8 s) at 2560 x 2560 ' "$WORK/fake.log" || fail "SECONDS 08, SCALE 010: $(cat "$WORK/fake.log")"
for bad in "017 2" "3 99999999999" "3 1x"; do
  status=0
  SCALE=${bad% *} make_fake "${bad#* }" || status=$?
  [ "$status" -eq 2 ] && grep -q 'must be a whole number from 1 to' "$WORK/fake.log" ||
    fail "SCALE ${bad% *}, SECONDS ${bad#* }: status $status, $(cat "$WORK/fake.log")"
done
pass "SECONDS and SCALE are read as decimal and checked"

BUILD_DIR="$BIN_DIR" X264_PRESET=veryfast bash "$SRC_DIR/tools/make_video.sh" 2 "$WORK/v.mp4" \
  >"$WORK/make.log" 2>&1 || { cat "$WORK/make.log" >&2; fail "make_video.sh failed"; }
grep -q $'\r' "$WORK/make.log" && fail "progress shown with no terminal: $(cat -A "$WORK/make.log")"

probe() { ffprobe -v error -select_streams "$1" -show_entries "$2" -of default=nw=1:nk=1 "$WORK/v.mp4"; }
[ "$(ffprobe -v error -show_entries stream=codec_type -of csv=p=0 "$WORK/v.mp4" | sort | tr '\n' ' ')" = "audio video " ] ||
  fail "expected one audio and one video stream"
[ "$(probe v:0 stream=codec_name,pix_fmt,width,height,r_frame_rate | tr '\n' ' ')" = "h264 768 768 yuv420p 25/1 " ] ||
  fail "video stream: $(probe v:0 stream=codec_name,pix_fmt,width,height,r_frame_rate | tr '\n' ' ')"
[ "$(probe a:0 stream=codec_name,sample_rate | tr '\n' ' ')" = "aac 44100 " ] ||
  fail "audio stream: $(probe a:0 stream=codec_name,sample_rate | tr '\n' ' ')"
pictures=$(ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames -of csv=p=0 "$WORK/v.mp4")
[ "$pictures" = 50 ] || fail "$pictures pictures, expected 50"
duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$WORK/v.mp4")
awk -v d="$duration" 'BEGIN { exit !(d >= 1.96 && d <= 2.04) }' || fail "duration $duration s, expected 2 s +- 0.04"
pass "2-second video: H.264 768 x 768 yuv420p 25 fps + AAC, 50 pictures, $duration s"

mean=$(ffmpeg -hide_banner -nostdin -i "$WORK/v.mp4" -af volumedetect -f null - 2>&1 |
  sed -n 's/.*mean_volume: \(-*[0-9.]*\) dB.*/\1/p')
[ -n "$mean" ] && awk -v m="$mean" 'BEGIN { exit !(m > -60) }' || fail "the sound is silent (mean volume ${mean:-?} dB)"
pass "the sound plays (mean volume $mean dB)"

# Picture 44 (from 0) shows frame 45, presentation 32 + 44 after the first
# fade-out. H.264 is lossy: the match is close, not exact.
command -v compare >/dev/null || fail "compare is missing (imagemagick)"
ffmpeg -v error -nostdin -i "$WORK/v.mp4" -vf "select=eq(n\,44)" -frames:v 1 "$WORK/p44.png"
convert "$WORK/p44.png" -sample 256x256 "$WORK/p44s.png"
"$CAPTURE" --frames 45 --out "$WORK/frames" >/dev/null || fail "demo_capture failed"
rmse=$( (compare -metric RMSE "$WORK/p44s.png" "$WORK/frames/frame-000076.png" null: 2>&1 || true) | sed -n 's/.*(\(.*\)).*/\1/p')
awk -v e="$rmse" 'BEGIN { exit !(e < 0.02) }' || fail "picture 44 differs from presentation 76 (RMSE $rmse)"
pass "picture 44 of the video is presentation 76 of demo_capture (RMSE $rmse)"
