#!/usr/bin/env bash
# The program ends at once when the mouse goes while a dialog of its own is
# open (the import dialog, the warning before button 0's menu): the dialog
# closes and nothing is written after it.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin exit_during_dialog dist-sim
main=INI_EN/skin_main_en.ini
ini=$E2E_DIR/config.ini

# unplug_and_expect_exit WHAT: the mouse goes; the program must end by
# itself within a few seconds.
unplug_and_expect_exit() {
  echo unplug >>"$E2E_DIR/simmouse.cmd"
  e2e_expect "the program ends with $1 open" e2e_wait_exit "$E2E_LAST_PID" 10
}

e2e_start_and_wait
before=$(md5sum <"$ini")
e2e_click $main import_config  # Import: the open dialog
e2e_wait_xwindow '^(Open|打开)$' 10 >/dev/null || e2e_fail "no open dialog appeared"
unplug_and_expect_exit "the import dialog"
e2e_expect_eq "config.ini is untouched" "$before" "$(md5sum <"$ini")"

# Button 0 alone keeps the primary click: its menu warns first.
e2e_ini_set "$ini" Config1 K1 2
: >"$E2E_DIR/simmouse.cmd"
: >"$E2E_DIR/simmouse.log"
e2e_start_and_wait
before=$(md5sum <"$ini")
e2e_click $main function1  # button 0's function field: the warning
e2e_expect "the warning appeared" e2e_eventually 5 eval '[ "$(e2e_program_window_count visible)" -ge 2 ]'
unplug_and_expect_exit "the warning"
e2e_expect_eq "config.ini is untouched" "$before" "$(md5sum <"$ini")"
e2e_finish
