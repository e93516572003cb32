#!/usr/bin/env bash
# The Windows drawing (under Wine) and the Qt drawing (native) paint the
# same pages from the same configuration: the main, advanced and lighting
# pages of each program are shot, cropped to the window, every text area
# of the layouts is blacked out in both (the fonts differ by design), and
# the rest must match within a small tolerance. Prints the differing pixels
# per page; the difference images go to build/e2e/paint_compare-diff-*.png.
# Needs the windows and the linux builds.
# VX_PAINT_FUZZ (percent, default 12) and VX_PAINT_MAX_PERMILLE (differing
# pixels allowed per thousand compared, default 2) tune the tolerance.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
pages=(main advanced color)

# Phase one, run once per platform: shoot the three pages into DIR.
if [ "${1:-}" = --shoot ]; then
  source "$here/lib.sh"
  e2e_begin "paint_compare-$E2E_PLATFORM" dist-sim
  # The steady LED mode: the lighting page's preview does not move.
  for n in 1 2 3 4 5 6; do e2e_ini_set "$E2E_DIR/config.ini" "Config$n" LED_STATUS 2; done
  e2e_start_and_wait
  main=INI_EN/skin_main_en.ini
  read -r ox oy < <(e2e_window_origin)
  shoot() {
    # Over the logo (no element), then off the window: nothing hovered.
    # (Wine hovers what lies under its idea of the pointer at start-up.)
    xdotool mousemove $((ox + 60)) $((oy + 30))
    sleep 0.3
    xdotool mousemove 1270 790
    e2e_wait_settled
    e2e_screenshot "paint_compare-$1-full"
    convert "$E2E_OUT/paint_compare-$1-full.png" -crop "800x520+$ox+$oy" +repage "$2/$1.png"
  }
  shoot main "$2"
  e2e_click $main tab_advanced
  shoot advanced "$2"
  e2e_click $main tab_color
  shoot color "$2"
  echo unplug >>"$E2E_DIR/simmouse.cmd"
  e2e_finish
fi

source "$here/lib.sh"
E2E_NAME=paint_compare
out=$E2E_OUT/paint_compare
rm -rf "$out"
mkdir -p "$out/wine" "$out/linux"
for platform in wine linux; do
  VX_E2E_PLATFORM=$platform bash "$0" --shoot "$out/$platform" || e2e_fail "the $platform program did not paint its pages"
done
[ "$E2E_FAILED" -eq 0 ] || exit 1

# ImageMagick draw commands blacking out the text areas of a page: every
# element with a caption, the fields the program writes into (function
# names, values, counters, the DPI scale) and the system's edit and list
# controls, one pixel wider all round for anti-aliasing.
masks() {
  local name
  for name in "$@"; do python3 "$E2E_ROOT/tests/e2e/vxfiles.py" layout-masks "$E2E_ROOT/data/skins/INI_EN/$name"; done
}
fuzz=${VX_PAINT_FUZZ:-12}
limit=${VX_PAINT_MAX_PERMILLE:-2}
declare -A layouts=([main]="skin_main_en.ini" [advanced]="skin_main_en.ini skin_advance_en.ini" [color]="skin_main_en.ini skin_color_en.ini")
for page in "${pages[@]}"; do
  draw=$(masks ${layouts[$page]} | tr '\n' ' ')
  for platform in wine linux; do
    eval "convert '$out/$platform/$page.png' -fill black $draw '$out/$platform/$page-masked.png'"
  done
  # Pixels left to compare: those not blacked out in the mask of a white page.
  eval "convert -size 800x520 xc:white -fill black $draw '$out/mask-$page.png'"
  compared=$(convert "$out/mask-$page.png" -format '%[fx:int(mean*w*h+0.5)]' info:)
  differing=$(compare -metric AE -fuzz "$fuzz%" "$out/wine/$page-masked.png" "$out/linux/$page-masked.png" \
    "$E2E_OUT/paint_compare-diff-$page.png" 2>&1 >/dev/null)
  permille=$(awk -v d="$differing" -v c="$compared" 'BEGIN { printf "%.2f", 1000 * d / c }')
  e2e_log "$page page: $differing of $compared pixels differ beyond ${fuzz}% ($permille per thousand)"
  e2e_expect "the $page page paints alike on both platforms ($permille <= $limit per thousand)" \
    awk -v p="$permille" -v l="$limit" 'BEGIN { exit !(p <= l) }'
done
if [ "$E2E_FAILED" -eq 0 ]; then e2e_log "PASSED"; exit 0; fi
e2e_log "FAILED"
exit 1
