#!/usr/bin/env bash
# Unplugging the (simulated) mouse while the program runs ends the program
# the way "Exit Driver" does: pointer speed back to 10, no window left.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin unplug dist-sim
e2e_set_mouse_sensitivity 5
e2e_start
pid=$E2E_LAST_PID
if ! e2e_wait_window "$E2E_TITLE" 30; then
  e2e_fail "the main window did not appear (is the simulated mouse found?)"
  e2e_finish
fi
# Lines added once the simulated mouse logs its reports are read.
e2e_wait_reports 1 13 15 || e2e_fail "the start-up reports were not sent"
echo unplug >>"$E2E_DIR/simmouse.cmd"
if e2e_wait_exit "$pid" 15; then
  e2e_expect_eq "the program ended normally" "0" "$E2E_EXIT_CODE"
else
  e2e_fail "the program still runs after the mouse was unplugged"
fi
e2e_expect_eq "pointer speed after exit" "10" "$(e2e_mouse_sensitivity)"
e2e_expect_eq "no window of the program left" "0" "$(e2e_program_window_count)"
e2e_expect "the configuration was sent before the unplug" grep -q ' OUT 07 ' "$E2E_DIR/simmouse.log"
e2e_finish
