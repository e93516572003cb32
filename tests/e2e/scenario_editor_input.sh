#!/usr/bin/env bash
# Input at the edges of the macro editor and the pages, the same on every
# system: the macro heading's sub-menu with no user macro shows nothing; a
# lowercase y can be typed into the name field; a
# right-click on the macro list leaves its selection; the second press of a
# double click is no press (+ moves the rapid-fire interval by one, Delete
# removes one macro); a key held while recording is one press and one
# release; in the delay editor Escape cancels, Enter commits, and a click on
# the page leaves the edit open.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin editor_input dist-sim
main=INI_EN/skin_main_en.ini
adv=INI_EN/skin_advance_en.ini
macros=$E2E_DIR/Macro_EN.dat
ini=$E2E_DIR/config.ini
e2e_ini_set "$macros" Macros macroNum 0
e2e_start_and_wait

at() { e2e_point_into "$@"; }
double_click() {  # LAYOUT KEY: a double click on the element
  at "$1" BUTTONPOS "$2" "$(e2e_element "$1" "$2" | awk '{ print int($4 / 2) }')"
  xdotool click --repeat 2 --delay 80 1
}
macro_names() {  # the user macros' names, in order
  local n i
  n=$(e2e_ini_get "$macros" Macros macroNum)
  for ((i = 0; i < n; i++)); do e2e_macro_record "$macros" "$i" | cut -d' ' -f1; done | tr '\n' ' '
}
add_macro() {  # NAME
  at $adv EDIT 4 12
  xdotool click 1 key ctrl+a
  xdotool type --delay 40 "$1"
  e2e_click $adv add_macro
}
set_and_wait() {  # saves the macro file and waits until it holds COUNT macros
  e2e_click $adv set_repeat
  e2e_eventually 5 eval '[ "$(e2e_ini_get "$macros" Macros macroNum)" = "$1" ]'
}
screen_crop() { import -window root -crop "$1" png:- 2>/dev/null | md5sum; }

# 4. No user macro: the macro heading's sub-menu shows nothing.
read -r menu_w menu_h < <(identify -format '%w %h' "$E2E_DIR/skins/menu_mask.jpg")
read -r sub_w sub_h < <(identify -format '%w %h' "$E2E_DIR/skins/advanced menu_mask.jpg")
read -r ox oy < <(e2e_window_origin)
read -r x y w h < <(e2e_element $main function4)
mx=$((ox + x)) my=$((oy + y + h))
sub_area="${sub_w}x$((sub_h / 2))+$((mx + menu_w))+$((my + 8 * menu_h / 10))"
point_row() { xdotool mousemove $((mx + menu_w / 2)) $((my + ($1 - 1) * menu_h / 10 + menu_h / 20)); sleep 0.8; }
e2e_click $main function4  # button 3's function field
point_row 1
before=$(screen_crop "$sub_area")
point_row 9                   # the user macros
e2e_screenshot editor_input-empty-macro-submenu
e2e_expect_eq "the empty macro sub-menu leaves the screen as it was" "$before" "$(screen_crop "$sub_area")"
e2e_repainted xdotool mousemove 60 30 click 1   # the main window's logo: closes the menu

e2e_click $main tab_advanced  # the advanced page
add_macro One
add_macro Two
add_macro Byte                # a lowercase y is typed as any other letter
set_and_wait 3
e2e_expect_eq "three macros made" "One Two Byte " "$(macro_names)"

# 5. A right-click on the macro list keeps its selection.
at $adv MACRODISPLAY 1 8      # line 0: One
xdotool click 1
at $adv MACRODISPLAY 1 24     # line 1, right button
xdotool click 3 key Escape     # no menu here: Escape closes nothing
e2e_click $adv delete_macro  # Delete the selected macro
set_and_wait 2
e2e_expect_eq "the right-click left the first macro selected" "Two Byte " "$(macro_names)"

# 3. A double click is one press.
double_click $adv 3           # Delete
set_and_wait 1
e2e_expect_eq "a double click on Delete removes one macro" "1" "$(e2e_ini_get "$macros" Macros macroNum)"
fire=$(e2e_ini_get "$ini" Config1 FIRE_TIME)
double_click $adv 31          # rapid fire +
e2e_click $main tab_main  # the main page
e2e_click $main save
e2e_expect "a double click on + adds one ms ($fire before)" \
  e2e_eventually 5 eval '[ "$(e2e_ini_get "$ini" Config1 FIRE_TIME)" = $((fire + 1)) ]'

# 1. A key held while recording: one press, one release.
e2e_click $main tab_advanced
at $adv MACRODISPLAY 1 8
xdotool click 1
e2e_click_repaint $adv record  # Record: the button reads Stop once it records
# The keyboard repeats the held key meanwhile.
e2e_repainted xdotool keydown a sleep 1.5 keyup a
e2e_click $adv record  # Stop
e2e_click $adv set_repeat  # Set
held() { [ "$(e2e_macro_record "$macros" 0 | cut -d' ' -f2)" -ge 2 ] 2>/dev/null; }
e2e_eventually 5 held
read -r _ count rest < <(e2e_macro_record "$macros" 0)
e2e_expect_eq "the held key is one press and one release" "2 41,1 41,2" \
  "$(echo "$count $rest" | sed -E 's/,[0-9]+( |$)/\1/g; s/ $//')"
held_ms=${rest#*,*,}
held_ms=${held_ms%% *}

# 2. The delay editor: Escape cancels, a click on the page leaves the edit
# open, Enter commits.
modify_delay() {
  at $adv MACRODISPLAY 2 24   # the delay line
  e2e_repainted xdotool click 3
  e2e_repainted xdotool key Down Down Down Return  # the in-place edit opens
  xdotool key ctrl+a
}
modify_delay
xdotool type --delay 30 '999'
xdotool key Escape
written=$(e2e_mtime "$macros")
e2e_click $adv set_repeat
e2e_eventually 5 e2e_changed_since "$macros" "$written"
e2e_expect_eq "Escape cancels the edit" "$held_ms" "$(e2e_macro_record "$macros" 0 | awk '{ split($3, f, ","); print f[3] }')"
modify_delay
xdotool type --delay 30 '25'
read -r ox oy < <(e2e_window_origin)
read -r x y w h < <(e2e_element $adv fire_heading)  # the rapid-fire heading: no action
xdotool mousemove $((ox + x + w / 2)) $((oy + y + h / 2)) click 1
xdotool type --delay 30 '0'
xdotool key Return
e2e_click $adv set_repeat
edited() { [ "$(e2e_macro_record "$macros" 0 | awk '{ split($3, f, ","); print f[3] }')" = 250 ]; }
e2e_expect "a click on the page leaves the edit open, Enter commits it" e2e_eventually 5 edited
e2e_finish
