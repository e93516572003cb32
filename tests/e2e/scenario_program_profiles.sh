#!/usr/bin/env bash
# Per-program profiles under Wine: rules for Notepad (by file name) and for
# a program under a games folder (by folder); each brought to the front
# applies its rule's profile (13 reports, CurConfig, [Config6]), a program
# without a rule brings back the profile from before; a fast switch through
# three windows sends only the last one's profile; the program's own
# dialog (a right-click on the tray icon, then a click on the menu's new
# item) switches nothing, and OK keeps the rules.
source "$(dirname "$0")/lib.sh"
e2e_begin program_profiles dist-sim
ini=$E2E_DIR/config.ini
plain=$E2E_WIN_BUILD/tools/plainwindow.exe
mkdir -p "$E2E_DIR/games/shooter" "$E2E_DIR/tools"
cp "$plain" "$E2E_DIR/games/shooter/shooter.exe"
cp "$plain" "$E2E_DIR/tools/plaintool.exe"
games=$(winepath -w "$E2E_DIR/games" 2>/dev/null | tr -d '\r')
e2e_ini_set "$ini" AutoSwitch Enabled 1
e2e_ini_set "$ini" AutoSwitch Fallback 0
e2e_ini_set "$ini" AutoSwitch Rules 2
e2e_ini_set "$ini" AutoSwitch Rule1 "3|program|NOTEPAD.EXE"
e2e_ini_set "$ini" AutoSwitch Rule2 "4|folder|$games"
e2e_start_and_wait

(cd "$E2E_DIR" && exec wine notepad) >/dev/null 2>&1 &
E2E_PIDS+=("$!")
(cd "$E2E_DIR" && exec wine games/shooter/shooter.exe --stay) >/dev/null 2>&1 &
E2E_PIDS+=("$!")
(cd "$E2E_DIR" && exec wine tools/plaintool.exe --stay) >/dev/null 2>&1 &
E2E_PIDS+=("$!")
for exe in notepad.exe shooter.exe plaintool.exe; do
  e2e_eventually 20 eval "[ \"\$(e2e_wintext --process $exe --visible --count | tail -1)\" -ge 1 ]" ||
    e2e_fail "$exe shows no window"
done

# front EXE: brings the program's window to the front.
front() { e2e_wintext --process "$1" --activate >/dev/null; }
# expect_switch EXE PROFILE: EXE in front applies PROFILE.
expect_switch() { e2e_expect_applied_after "$1" "$2" front "$1"; }

# Let the start's last window settle first: the plain tool has no rule.
front plaintool.exe
sleep 1
expect_switch notepad.exe 3
expect_switch shooter.exe 4
expect_switch plaintool.exe 1
e2e_screenshot program_profiles_switched

# The shooter, the plain tool and Notepad within the settle time: only the
# last one's profile is sent.
front_each() { e2e_wintext --activate-each "$1" >/dev/null; }
e2e_expect_fast_switch program 1 3 front_each shooter.exe,plaintool.exe,notepad.exe  # Notepad's rule

# The tray menu's second item (of three) opens the dialog; it is the
# program's own window, so nothing switches while it is in front.
from=$(($(e2e_log_lines) + 1))
e2e_close_window "$E2E_TITLE"  # to the tray
if tray=$(e2e_wait_xwindow '^Wine System Tray$' 5); then
  read -r tx ty th < <(xdotool getwindowgeometry --shell "$tray" |
    awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } /^HEIGHT=/ { h = $2 } END { print x, y, h }')
  xdotool windowraise "$tray"  # Notepad's window lies over it
  xdotool mousemove $((tx + 10)) $((ty + th - 10))
  xdotool click 3
  e2e_eventually 5 eval "e2e_wintext --process '$E2E_EXE' --visible | grep -q '#32768'" || e2e_fail "no tray menu"
  e2e_screenshot program_profiles_tray_menu
  # The menu opens at the pointer; its items are 20 pixels high.
  eval "$(xdotool getmouselocation --shell)"
  xdotool mousemove $((X + 30)) $((Y + 33)) click 1
else
  e2e_log "no Wine system tray: the dialog is opened by the menu's command"
  e2e_wintext --title "$E2E_TITLE" --command 32845 >/dev/null
fi
if ! e2e_wait_window "Per-Program Profiles" 10; then
  e2e_fail "the Per-Program Profiles dialog did not open"
else
  e2e_wait_settled
  e2e_screenshot program_profiles_dialog
  texts=$(e2e_window_texts "Per-Program Profiles")
  for text in "Switch the profile by the program in front" "Add Program..." "Add Folder..." "Move Up" \
    "When no rule matches:" "The program in front is seen for every program on this desktop."; do
    grep -qxF "$text" <<<"$texts" || e2e_fail "the dialog lacks \"$text\""
  done
  e2e_press_ok "Per-Program Profiles"
  e2e_eventually 5 eval "[ \"\$(e2e_window_count 'Per-Program Profiles')\" = 0 ]" || e2e_fail "OK did not close the dialog"
fi
e2e_expect_eq "the dialog switched nothing" 0 "$(e2e_reports_from "$from" | wc -l)"
e2e_expect_eq "OK kept the rules" "Enabled=1|Fallback=0|Rules=2|Rule1=3|program|NOTEPAD.EXE|Rule2=4|folder|$games" \
  "$(e2e_section "$ini" AutoSwitch | paste -sd'|')"
# The dialog's rules are in use: the shooter still switches.
expect_switch shooter.exe 4
e2e_expect "the diagnostics name only the rule and the profile" \
  grep -qE 'DIAG per-program profiles: rule 2 -> profile 4$' "$E2E_DIR/simmouse.log"

e2e_close_window "$E2E_TITLE" 2>/dev/null
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
