#!/usr/bin/env bash
# Profiles through real clicks: edits to profile 3 are discarded by
# switching away and back; Apply writes CurConfig; Cancel reverts to the
# applied copy and hides the window to the tray.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin profiles dist-sim
main=INI_EN/skin_main_en.ini
ini=$E2E_DIR/config.ini
e2e_start_and_wait
config3=$(e2e_section "$ini" Config3)

e2e_click $main profile3
e2e_click $main wheel_alternate  # an edit: alternate wheel mode
e2e_click $main profile1
e2e_click $main profile3  # back to profile 3
e2e_click $main save
e2e_input_handled $main
e2e_expect_eq "the edit of profile 3 was discarded" "$config3" "$(e2e_section "$ini" Config3)"
e2e_expect_eq "switching alone keeps CurConfig" "1" "$(e2e_ini_get "$ini" Init CurConfig)"

from=$(($(e2e_log_lines) + 1))
e2e_click $main apply
e2e_wait_reports "$from" 13 10
e2e_expect_eq "Apply wrote CurConfig" "3" "$(e2e_ini_get "$ini" Init CurConfig)"
e2e_expect_eq "Apply wrote the applied copy" "$config3" "$(e2e_section "$ini" Config6)"

e2e_click $main wheel_standard  # an unapplied edit
e2e_click $main wheel_alternate
e2e_click $main cancel  # Cancel: back to the applied copy, window hidden
hidden() { [ "$(e2e_visible_window_count "$E2E_TITLE")" = 0 ]; }
e2e_eventually 5 hidden
e2e_expect_eq "Cancel hid the window" "0" "$(e2e_visible_window_count "$E2E_TITLE")"
e2e_expect_eq "the program still runs" "1" "$(e2e_window_count "$E2E_TITLE")"
e2e_close_window "$E2E_TITLE" 2>/dev/null
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
