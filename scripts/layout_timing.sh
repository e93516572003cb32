#!/usr/bin/env bash
# Times a layout load and a language switch natively and under Wine with the
# same program (bench/layout_timing.cpp), each against its baseline of the
# same run, then prints the Wine figures as multiples of the native ones.
# Needs the native and windows presets built. Not part of CI: about half a
# minute, most of it the system profile functions under Wine.
# Usage: scripts/layout_timing.sh [rounds]   (default 200)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-200}
export WINEPREFIX=${VX_WINEPREFIX:-$PWD/build/wineprefix} WINEDEBUG=-all
native=$(build/native/bench/layout_timing data "$rounds")
wine=$(wine build/windows/layout_timing.exe "$(winepath -w data)" "$rounds" | tr -d '\r')
wineserver -w
echo "== native"; echo "$native"
echo "== Wine"; echo "$wine"
echo "== Wine against native (medians)"
for what in 'layout load (the program' 'language switch (the program'; do
  n=$(grep -F "$what" <<<"$native" | awk '{ print $(NF-6) }')
  w=$(grep -F "$what" <<<"$wine" | awk '{ print $(NF-6) }')
  awk -v what="$what" -v n="$n" -v w="$w" 'BEGIN { printf "%-30s native %.3f ms, Wine %.3f ms: %.1fx\n", what "...)", n, w, w / n }'
done
