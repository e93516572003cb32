#!/usr/bin/env bash
# The language elements switch the whole window at once and write VER_SEL;
# choosing the language shown reloads all the same; the next start-up is
# in the language last chosen. Screenshots of every page in both languages
# go to build/e2e/language-<page>-<en|cn>.png.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin language dist-sim
ini=$E2E_DIR/config.ini
main_en=INI_EN/skin_main_en.ini
main_cn=INI_CN/skin_main.ini
e2e_start_and_wait

# The button panel's captions differ between the languages; the hover
# highlight of the language elements lies outside it.
panel() {
  local ox oy
  read -r ox oy < <(e2e_window_origin)
  convert "$E2E_OUT/$1.png" -crop "282x230+$((ox + 258))+$((oy + 64))" +repage "$E2E_OUT/$1-panel.png"
}
differ() { [ "$(compare -metric AE "$E2E_OUT/$1-panel.png" "$E2E_OUT/$2-panel.png" null: 2>&1)" != "0" ]; }

# shoot LANG: screenshots of the three pages.
shoot() {
  local layout=$1 lang=$2
  e2e_screenshot "language-main-$lang"
  e2e_click "$layout" tab_advanced
  e2e_screenshot "language-advanced-$lang"
  e2e_click "$layout" tab_color
  e2e_screenshot "language-color-$lang"
  e2e_click "$layout" tab_main
}

shoot $main_en en
panel language-main-en
e2e_click $main_en lang_cn  # Chinese
e2e_expect_eq "VER_SEL written as 0" "0" "$(e2e_ini_get "$ini" Init VER_SEL)"
e2e_expect_eq "the title stays" "1" "$(e2e_window_count "$E2E_TITLE")"
shoot $main_cn cn
panel language-main-cn
e2e_expect "the captions changed language" differ language-main-en language-main-cn

e2e_click $main_cn lang_cn  # Chinese again: reloads, nothing visible changes
e2e_screenshot language-again
panel language-again
e2e_expect "the same language again shows the same window" eval '! differ language-main-cn language-again'
e2e_click $main_cn lang_en  # English
e2e_expect_eq "VER_SEL written as 1" "1" "$(e2e_ini_get "$ini" Init VER_SEL)"
e2e_click $main_en lang_cn  # and back to Chinese for the restart
pid=$E2E_LAST_PID
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_wait_exit "$pid" 15 || e2e_fail "the program did not end on unplug"

: >"$E2E_DIR/simmouse.log"
e2e_start_and_wait
xdotool mousemove 1000 700
e2e_wait_settled
e2e_screenshot language-restart
panel language-restart
e2e_expect "the next start-up is in Chinese" eval '! differ language-main-cn language-restart'
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
