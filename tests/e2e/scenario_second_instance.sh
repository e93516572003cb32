#!/usr/bin/env bash
# A second start while the program runs hidden in the notification area:
# the running window comes back, restored; the second process ends at once
# and no second window appears.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin second_instance dist-sim
e2e_start
first=$E2E_LAST_PID
if ! e2e_wait_window "$E2E_TITLE" 30; then
  e2e_fail "the main window did not appear (is the simulated mouse found?)"
  e2e_finish
fi
e2e_close_window "$E2E_TITLE"
shown() { [ "$(e2e_visible_window_count "$E2E_TITLE")" = "$1" ]; }
e2e_eventually 5 shown 0
e2e_expect_eq "a close request hides the window" "0" "$(e2e_visible_window_count "$E2E_TITLE")"

e2e_start
second=$E2E_LAST_PID
if e2e_wait_exit "$second" 15; then
  e2e_expect_eq "the second instance ended normally" "0" "$E2E_EXIT_CODE"
else
  e2e_fail "the second instance is still running"
fi
e2e_eventually 5 shown 1
e2e_expect "the first instance still runs" e2e_is_running "$first"
e2e_expect_eq "one main window in all" "1" "$(e2e_window_count "$E2E_TITLE")"
e2e_expect_eq "the main window is shown again" "1" "$(e2e_visible_window_count "$E2E_TITLE")"
e2e_screenshot second_instance
e2e_finish
