#!/usr/bin/env bash
# Unplugging the mouse while a long macro plays: the reports stop, the
# program ends as after any unplug (pointer speed back to 10, no window
# left, exit code 0) within a bounded time, and nothing crashes.
source "$(dirname "$0")/lib.sh"
e2e_begin unplug_macro dist-sim
log=$E2E_DIR/simmouse.log
# Back button (device button 4) plays user macro 0 "Double click", here
# repeated 1000 times: six reports a pass, about two minutes in all.
sed -i 's/^VER_SEL=.*/VER_SEL=1\r/; /^\[Config1\]/,/^\[/ s/^K3=.*/K3=41\r/' "$E2E_DIR/config.ini"
e2e_set_macro_repeat "$E2E_DIR/Macro_EN.dat" 0 1000
e2e_set_mouse_sensitivity 5
e2e_start_and_wait
pid=$E2E_LAST_PID

from=$(($(e2e_log_lines) + 1))
printf 'press 4\nrelease 4\n' >>"$E2E_DIR/simmouse.cmd"
e2e_wait_reports "$from" 30 10 || e2e_fail "the macro did not start playing"
played=$(e2e_reports_from "$from" | wc -l)
echo unplug >>"$E2E_DIR/simmouse.cmd"
start=$(date +%s%N)
if e2e_wait_exit "$pid" 15; then
  e2e_log "ended $((($(date +%s%N) - start) / 1000000)) ms after the unplug"
  e2e_expect_eq "the program ended normally" "0" "$E2E_EXIT_CODE"
else
  e2e_fail "the program still runs 15 s after the unplug (a hang)"
fi
after=$(e2e_reports_from "$from" | wc -l)
e2e_log "reports of the macro: $played when unplugged, $after in all (6000 had it played to its end)"
# What was already on its way while the control read the unplug (it looks
# every 20 ms; a report goes out every 10 ms at most).
e2e_expect "the reports stopped at the unplug" test $((after - played)) -le 10
e2e_expect_eq "pointer speed after exit" "10" "$(e2e_mouse_sensitivity)"
e2e_expect_eq "no window of the program left" "0" "$(e2e_wintext --process "$E2E_EXE" --count | tail -1)"
e2e_expect "no crash (winedbg, crash window, unhandled exception)" e2e_no_crash
e2e_log "refused reports on record after the unplug: $(grep -c ' DIAG feature report' "$log")"
e2e_finish
