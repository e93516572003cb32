#!/bin/sh
# Regenerates the program icon (16, 32 and 48 px in one .ico) from a drawing
# made at 256 px: a dark gaming mouse with a cyan scroll wheel and glow.
# With --hicolor, the Linux package's icons instead: one PNG per usual size
# in <dir>/<N>x<N>/vx230.png.
# Usage: tools/make_icon.sh [output.ico]
#        tools/make_icon.sh --hicolor [dir (packaging/linux/icons)]
set -eu
hicolor=
if [ "${1:-}" = --hicolor ]; then
  hicolor=${2:-$(dirname "$0")/../packaging/linux/icons}
fi
out=${1:-$(dirname "$0")/../src/platform/win32/resources/app.ico}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 256x256 xc:none \
  -fill '#00e5ff40' -draw 'roundrectangle 46,10 210,250 82,82' \
  -blur 0x6 \
  -fill '#1b1f2a' -stroke '#00d0ff' -strokewidth 8 \
  -draw 'roundrectangle 58,20 198,240 70,70' \
  -stroke '#00d0ff' -strokewidth 6 -draw 'line 128,24 128,112' \
  -draw 'line 62,112 194,112' \
  -stroke none -fill '#2c3446' -draw 'roundrectangle 66,118 190,232 58,58' \
  -fill '#ffffff' -stroke '#00e5ff' -strokewidth 4 \
  -draw 'roundrectangle 116,44 140,92 12,12' \
  -stroke none -fill '#ff3b6b' -draw 'circle 128,188 128,200' \
  "$work/mouse256.png"

if [ -n "$hicolor" ]; then
  for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$hicolor/${size}x${size}"
    convert "$work/mouse256.png" -filter Lanczos -resize ${size}x${size} -strip \
      -define png:format=png32 "$hicolor/${size}x${size}/vx230.png"
  done
  echo "wrote $hicolor"
  exit 0
fi

for size in 48 32 16; do
  convert "$work/mouse256.png" -filter Lanczos -resize ${size}x${size} \
    -define png:format=png32 "$work/mouse$size.png"
done
convert "$work/mouse16.png" "$work/mouse32.png" "$work/mouse48.png" "$out"
echo "wrote $out"
