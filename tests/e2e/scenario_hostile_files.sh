#!/usr/bin/env bash
# Damaged or hostile run-time files: each case either starts (window shown,
# start-up reports sent) or ends after its own message box, having shown
# only the boxes it is expected to, in order; it never crashes (no winedbg,
# no crash window) and ends normally (exit code 0) on unplug or after OK.
source "$(dirname "$0")/lib.sh"
e2e_begin hostile_files dist-sim
cases_dir=$E2E_DIR
format_error='加载ini错误！'

# Each case changes the fresh tree in $E2E_DIR.
mutate_random_config() {
  head -c 5242880 /dev/urandom >"$E2E_DIR/config.ini"
}
mutate_macro_count_99() {
  e2e_ini_set "$E2E_DIR/Macro_EN.dat" Macros macroNum 99
}
mutate_macro_count_negative() {
  e2e_ini_set "$E2E_DIR/Macro_EN.dat" Macros macroNum -5
}
mutate_layout_commas() {  # 8 commas in one value
  e2e_ini_set "$E2E_DIR/skins/INI_EN/skin_main_en.ini" BUTTONPOS 1 'cancel,1,2,3,4,Cancel,6,7,8'
}
mutate_layout_huge_numbers() {  # 12-digit coordinates and sizes, both signs
  e2e_ini_set "$E2E_DIR/skins/INI_EN/skin_main_en.ini" BUTTONPOS 0 \
    'save,-999999999999,999999999999,999999999999,-999999999999,Save,0'
  e2e_ini_set "$E2E_DIR/skins/INI_EN/skin_main_en.ini" BUTTONPOS 42 \
    'wheel,999999999999,999999999999,999999999999,999999999999,Alternate,0'
}

# Hovers over the whole window and visits another page, so hit-testing and
# painting meet whatever the case left in the tables.
use_window() {
  local ox oy x y
  read -r ox oy < <(e2e_window_origin) || return
  for ((y = 20; y < 520; y += 60)); do
    for ((x = 20; x < 800; x += 90)); do
      xdotool mousemove $((ox + x)) $((oy + y))
      sleep 0.03
    done
  done
  e2e_click INI_EN/skin_main_en.ini tab_advanced  # advanced page
  e2e_click INI_EN/skin_main_en.ini tab_main  # main page
}
mutate_truncated_jpeg() {  # the main page's picture and the window's mask cut short
  local image size
  for image in main_normal.jpg main_mask.jpg; do
    size=$(stat -c %s "$E2E_DIR/skins/$image")
    truncate -s $((size * 2 / 5)) "$E2E_DIR/skins/$image"
  done
}

# The message text of the program's box titled ZUV_GMouse.
box_text() {
  e2e_wintext --process "$E2E_EXE" --title "$E2E_APP_NAME" --visible |
    awk -F'\t' '/^  / && $3 == "Static" && $4 != "" { print $4 }' | head -1
}

# run_case NAME OUTCOME BOXES: OUTCOME is "starts" or "ends"; BOXES the box
# texts expected in order, joined by "|" (empty: none).
run_case() {
  local name=$1 outcome=$2 expected=$3 pid shown=() got i text
  E2E_DIR=$cases_dir/$name
  rm -rf "$E2E_DIR"
  cp -r "$E2E_WIN_BUILD/dist-sim" "$E2E_DIR"
  "mutate_$name"
  e2e_log "--- $name"
  e2e_start
  pid=$E2E_LAST_PID
  got=
  for ((i = 0; i < 200; i++)); do
    if [ -n "$got" ]; then
      break
    elif ! e2e_is_running "$pid"; then
      got=ends
    elif [ "$(e2e_visible_window_count "$E2E_APP_NAME")" -ge 1 ] 2>/dev/null; then
      sleep 0.3
      text=$(box_text)
      shown+=("$text")
      e2e_screenshot "hostile_files-$name-box${#shown[@]}"
      e2e_press_ok "$E2E_APP_NAME"
      sleep 0.5
    elif [ "$(e2e_visible_window_count "$E2E_TITLE")" -ge 1 ] 2>/dev/null &&
      [ "$(e2e_reports_from 1 | wc -l)" -ge 13 ]; then
      got=starts
    else
      sleep 0.2
    fi
  done
  e2e_expect_eq "$name: outcome" "$outcome" "${got:-neither within 40 s}"
  e2e_expect_eq "$name: message boxes" "$expected" "$(IFS='|'; echo "${shown[*]}")"
  if [ "$got" = starts ]; then
    use_window
    e2e_expect "$name: still runs after hovering and a page visit" e2e_is_running "$pid"
    e2e_screenshot "hostile_files-$name"
    echo unplug >>"$E2E_DIR/simmouse.cmd"
  fi
  if e2e_wait_exit "$pid" 15; then
    e2e_expect_eq "$name: ended normally" "0" "$E2E_EXIT_CODE"
  else
    e2e_fail "$name: the program did not end"
  fi
  e2e_expect "$name: no crash" e2e_no_crash
  e2e_cleanup
}

run_case random_config starts ''
run_case macro_count_99 starts ''
run_case macro_count_negative starts ''
run_case layout_commas starts "$format_error"
run_case layout_huge_numbers starts ''
run_case truncated_jpeg starts ''
e2e_finish
