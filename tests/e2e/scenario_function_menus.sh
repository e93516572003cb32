#!/usr/bin/env bash
# Choosing button functions through the skinned menus with real clicks: a
# multimedia key and a user macro through the sub-menus, saved, applied,
# and carried out when the simulated mouse's buttons are pressed; the
# warning before button 0's menu when no other button keeps the primary
# click. Screenshots of the menu, a sub-menu and the warning in both
# languages.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin function_menus dist-sim
main=INI_EN/skin_main_en.ini
ini=$E2E_DIR/config.ini
e2e_start_and_wait

size() { identify -format '%w %h' "$E2E_DIR/skins/$1"; }
read -r menu_w menu_h < <(size menu_mask.jpg)
read -r sub_w sub_h < <(size 'advanced menu_mask.jpg')
row_h=$((menu_h / 10))
sub_row_h=$((sub_h / 12))
macro_count=$(e2e_ini_get "$E2E_DIR/Macro_EN.dat" Macros macroNum)

# open_menu LAYOUT ELEMENT: clicks the function field; sets mx, my (the
# menu's top-left on the screen).
open_menu() {
  local ox oy x y w h
  read -r ox oy < <(e2e_window_origin)
  read -r x y w h < <(e2e_element "$1" "$2")
  mx=$((ox + x)) my=$((oy + y + h))
  e2e_click_repaint "$1" "$2"  # the menu or the warning shows
}
point_row() { e2e_repainted xdotool mousemove $((mx + menu_w / 2)) $((my + ($1 - 1) * row_h + row_h / 2)); }
# click_sub HEADING ROWS_ABOVE ROW: the sub-menu of a hovered heading.
click_sub() {
  local top=$((my + $1 * row_h))
  e2e_repainted xdotool mousemove $((mx + menu_w + sub_w / 2)) $((top + ($2 - 1) * sub_row_h + sub_row_h / 2)) \
    click 1
}
menu_shown() { e2e_visible_window_count MainMenuDlg; }
menu_gone() { [ "$(menu_shown)" = 0 ]; }

open_menu $main 27            # button 2 (Right)
e2e_expect_eq "the function menu opened without a warning" "1" "$(menu_shown)"
e2e_screenshot function_menus-menu-en
point_row 8                   # the multimedia keys
e2e_screenshot function_menus-submenu-en
click_sub -2 4                # Volume Up
e2e_expect "the choice closed the menu" e2e_eventually 5 menu_gone

open_menu $main 28            # button 3 (Back)
point_row 9                   # the user macros
click_sub $((9 - macro_count)) 1
e2e_click $main save
saved() { [ "$(e2e_ini_get "$ini" Config1 K3)" = 41 ]; }
e2e_eventually 5 saved
e2e_expect_eq "button 2 holds Volume Up (24)" "24" "$(e2e_ini_get "$ini" Config1 K2)"
e2e_expect_eq "button 3 holds user macro 1 (41)" "41" "$(e2e_ini_get "$ini" Config1 K3)"

from=$(($(e2e_log_lines) + 1))
e2e_click $main apply
e2e_wait_reports "$from" 13 10
e2e_expect_eq "the mouse reports button 2 to the program" "07 10 02 00" \
  "$(e2e_reports_from "$from" | sed -n 3p | cut -c1-11)"
e2e_expect_eq "the mouse reports button 4 to the program" "07 10 04 00" \
  "$(e2e_reports_from "$from" | sed -n 4p | cut -c1-11)"
from=$(($(e2e_log_lines) + 1))
printf 'press 2\nrelease 2\n' >>"$E2E_DIR/simmouse.cmd"
e2e_wait_reports "$from" 1 5
e2e_expect_eq "button 2 sends Volume Up" "07 17 00 E9" "$(e2e_reports_from "$from" | head -1 | cut -c1-11)"
from=$(($(e2e_log_lines) + 1))
printf 'press 4\nrelease 4\n' >>"$E2E_DIR/simmouse.cmd"
e2e_wait_reports "$from" 3 10
e2e_expect "button 4 plays the macro as key reports" grep -q '^07 15' <(e2e_reports_from "$from")

# Button 0 alone keeps the primary click: its menu warns first.
before=$(e2e_section "$ini" Config1)
# wait_windows N: until the program shows N windows (the warning is an
# untitled one beside the main window).
wait_windows() {
  local i
  for i in $(seq 1 25); do
    [ "$(e2e_program_window_count visible)" -ge "$1" ] 2>/dev/null && return 0
    sleep 0.2
  done
  return 1
}
# wait_menu COUNT: until COUNT function menus are shown (0 or 1).
wait_menu() {
  local i
  for i in $(seq 1 15); do
    [ "$(menu_shown)" = "$1" ] && return 0
    sleep 0.2
  done
  return 1
}
warning_button() {  # KEY of the warning layout: clicks it at the menu's place
  local x y w h
  wait_windows 2 || e2e_fail "the warning did not appear"
  read -r x y w h < <(e2e_element INI_EN/LBWarning_en.ini "$1")
  e2e_repainted xdotool mousemove $((mx + x + w / 2)) $((my + y + h / 2)) click 1
}
open_menu $main 25
wait_windows 2 || e2e_fail "the warning did not appear"
e2e_wait_settled
e2e_screenshot function_menus-warning-en
e2e_expect_eq "the warning shows, no menu yet" "0" "$(menu_shown)"
warning_button 1              # Cancel
e2e_expect_eq "Cancel opens no menu" "0" "$(menu_shown)"
written=$(e2e_mtime "$ini")
e2e_click $main save
e2e_eventually 5 e2e_changed_since "$ini" "$written"
e2e_expect_eq "Cancel changed nothing" "$before" "$(e2e_section "$ini" Config1)"
open_menu $main 25
warning_button 0              # Continue
wait_menu 1
e2e_expect_eq "Continue opens the menu" "1" "$(menu_shown)"
xdotool mousemove 60 30 click 1   # the main window's logo: closes the menu
e2e_expect "a click on the main page closes the menu" e2e_eventually 5 menu_gone

e2e_click $main lang_cn  # Chinese
main=INI_CN/skin_main.ini
open_menu $main 27
point_row 10
e2e_screenshot function_menus-submenu-cn
e2e_repainted xdotool mousemove 60 30 click 1
open_menu $main 25
wait_windows 2 || e2e_fail "the Chinese warning did not appear"
e2e_wait_settled
e2e_screenshot function_menus-warning-cn
xdotool key Escape
e2e_expect "Escape gives up" e2e_eventually 5 menu_gone
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
