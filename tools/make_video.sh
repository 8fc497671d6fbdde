#!/usr/bin/env bash
# Makes a video of the demo: runs the headless demo_capture for SECONDS of demo
# and turns its pictures and its sound into an MP4 (H.264 in yuv420p at 25
# frames per second, the picture enlarged 3 x with nearest neighbour so that
# pixels stay sharp, AAC sound). The pictures go straight from demo_capture into
# the encoder through a pipe; only the sound passes through a temporary WAV.
#
# On a terminal it shows the encoder's progress: frames done of the total and
# the time left.
#
# usage: tools/make_video.sh [SECONDS] [OUT.mp4]
#   SECONDS  length of demo to record, a whole number from 1 to 86400, read
#            as decimal (default: one cycle of scenes A to D, 4502 frames,
#            about 3 minutes)
#   OUT.mp4  the video (default: moxa7730.mp4)
# Environment: BUILD_DIR (default build/release, built when demo_capture is
# missing), SCALE (1 to 16, default 3), X264_PRESET (default medium).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

cycle_frames=4502  # scenes A to D: 1001 + 1501 + 1000 + 1000 frames
fps=25
seconds=${1:-}
out=${2:-moxa7730.mp4}
scale=${SCALE:-3}
preset=${X264_PRESET:-medium}
build=${BUILD_DIR:-$repo/build/release}

source "$repo/tools/decimal.bash"
if [ -n "$seconds" ]; then
  seconds=$(decimal SECONDS "$seconds" 1 86400)
  frames=$((seconds * fps))
else
  frames=$cycle_frames
fi
scale=$(decimal SCALE "$scale" 1 16)

if ! command -v ffmpeg >/dev/null 2>&1; then
  echo "make_video: installing ffmpeg"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends ffmpeg
fi

if [ ! -x "$build/demo_capture" ]; then
  (cd "$repo" && cmake --preset release >/dev/null &&
    cmake --build --preset release --target demo_capture)
  build=$repo/build/release
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/moxa-video.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT
size=$((256 * scale))

echo "make_video: $frames frames ($((frames / fps)) s) at ${size} x ${size} into $out"
# Pass 1: pictures through the pipe into H.264; the sound into a WAV beside.
# Any further arguments go to the encoder.
encode() {
  "$build/demo_capture" --frames "$frames" --raw - --wav "$tmp/sound.wav" |
    ffmpeg -hide_banner -loglevel error -nostdin -y \
      -f rawvideo -pixel_format rgb24 -video_size 256x256 -framerate "$fps" -i - \
      -vf "scale=${size}:${size}:flags=neighbor" \
      -c:v libx264 -preset "$preset" -crf 18 -pix_fmt yuv420p "$@" \
      "$tmp/picture.mkv"
}
# micros: the wall clock in microseconds (in seconds where bash cannot tell).
micros() {
  local t=${EPOCHREALTIME:-}
  [ -n "$t" ] && echo "${t/[.,]/}" || echo $((SECONDS * 1000000))
}
# show_progress: reads the encoder's progress reports (key=value lines, each
# report ending with progress=...) and rewrites one line on standard error:
# frames done of the total, and the time left at the rate so far.
show_progress() {
  local key value count=0 start elapsed left
  start=$(micros)
  while IFS='=' read -r key value; do
    case "$key" in
      frame) count=$((10#0$value)) ;;
      progress)
        elapsed=$(($(micros) - start))
        left="?"
        if [ "$count" -gt 0 ] && [ "$elapsed" -ge 1000000 ]; then
          left=$(((frames - count) * elapsed / count / 1000000))
          left=$(printf '%d:%02d' $((left / 60)) $((left % 60)))
        fi
        printf '\rmake_video: frame %d of %d (%d %%), %s left ' "$count" "$frames" \
          $((100 * count / frames)) "$left" >&2 ;;
    esac
  done
  printf '\n' >&2
}
if [ -t 2 ]; then
  # The reports come on descriptor 3, which the pipe to show_progress takes;
  # the encoder's own standard output is not used.
  encode -progress pipe:3 -stats_period 0.5 3>&1 >/dev/null | show_progress
else
  encode
fi
# Pass 2: the same pictures (copied, not encoded again) with the sound as AAC.
ffmpeg -hide_banner -loglevel error -nostdin -y \
  -i "$tmp/picture.mkv" -i "$tmp/sound.wav" \
  -map 0:v:0 -map 1:a:0 -c:v copy -c:a aac -b:a 192k \
  -movflags +faststart "$tmp/video.mp4"
mv -f -- "$tmp/video.mp4" "$out"
echo "make_video: wrote $out"
