#!/usr/bin/env bash
# Recording takes the keys from every program, and only while it records:
# keys typed into another program (Notepad) during a recording go into the
# macro and never reach Notepad; after Stop they reach Notepad again and
# the macro gets nothing more.
source "$(dirname "$0")/lib.sh"
e2e_begin recording_hook dist-sim
main=INI_EN/skin_main_en.ini
adv=INI_EN/skin_advance_en.ini
macros=$E2E_DIR/Macro_EN.dat
e2e_start_and_wait

# The other program, started as one of the scenario's processes so the
# clean-up ends it.
(cd "$E2E_DIR" && exec wine notepad) >"$E2E_DIR/wine-notepad.log" 2>&1 &
E2E_PIDS+=("$!")
# Its title is in the system's language ("(未命名) - 记事本" here).
notepad_window() { xdotool search --name '记事本|Notepad' 2>/dev/null | head -1; }
e2e_expect "Notepad starts" e2e_eventually 20 eval '[ -n "$(notepad_window)" ]'
notepad=$(notepad_window)
# Notepad to the right of the program's window, so a click lands in its text.
read -r ox oy < <(e2e_window_origin)
read -r _ _ mw _ < <(xdotool getwindowgeometry --shell "$(e2e_main_window_id)" |
  awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } /^WIDTH=/ { w = $2 } END { print x, y, w }')
xdotool windowmove --sync "$notepad" $((ox + mw + 10)) "$oy"
# type_into_notepad TEXT: clicks into Notepad's text (it gets the keyboard
# and shows its caret), types, and waits until the screen shows the result.
type_into_notepad() {
  local x y
  eval "$(xdotool getwindowgeometry --shell "$notepad")"
  x=$((X + WIDTH / 2)) y=$((Y + HEIGHT / 2))
  e2e_repainted xdotool mousemove "$x" "$y" click 1
  e2e_repainted xdotool type --delay 60 "$1"
}
notepad_text() {
  e2e_wintext --process notepad.exe | awk -F'\t' '/^  / && $3 == "Edit" { print $4 }' | head -1
}
# The events of user macro 4 as code,action.
slot4_events() { e2e_macro_record "$macros" 4 | cut -d' ' -f3- | sed -E 's/,([0-9]+),[0-9]+/,\1/g'; }

e2e_click $main tab_advanced  # the advanced page
read -r ex ey ew _ < <(e2e_layout_entry "$adv" EDIT 4)
xdotool mousemove $((ox + ex + ew / 2)) $((oy + ey + 12)) click 1
xdotool key ctrl+a
xdotool type --delay 50 'Hook'
e2e_click $adv add_macro  # Add
e2e_click_repaint $adv record  # Record: the button reads Stop once it records

type_into_notepad 'xyz'
e2e_expect_eq "keys typed into another program while recording never reach it" "" "$(notepad_text)"
e2e_screenshot recording_hook-while-recording

e2e_click $adv record  # Stop
type_into_notepad 'after'
e2e_expect_eq "keys typed into another program after Stop reach it" "after" "$(notepad_text)"
e2e_screenshot recording_hook-after-stop

e2e_click $adv set_repeat  # Set
e2e_expect "the macro is saved" e2e_eventually 5 eval '[ -n "$(slot4_events)" ]'
e2e_expect_eq "the macro holds the keys of the recording, and nothing typed after Stop" \
  "58,1 58,2 59,1 59,2 5A,1 5A,2" "$(slot4_events)"
e2e_finish
