#!/usr/bin/env bash
# Started with --tray (the start with the session) while no mouse is plugged
# in, the program shows no message and no window and sends nothing: it
# waits in the tray. Once the simulated mouse is plugged in ("plug" in
# simmouse.cmd, the mouse having started unplugged) it finds and configures
# the mouse as at a normal start, its 13 start-up reports, still hidden;
# vx230ctl is answered from then on; unplugged, it ends. Started without --tray and no mouse it shows the
# plug-in message and ends, as ever.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin tray_waits_for_mouse dist-sim
e2e_ini_set "$E2E_DIR/config.ini" Init VER_SEL 1
export VX230_SIM_START_UNPLUGGED=1

e2e_start --tray --diagnostics
pid=$E2E_LAST_PID
# The start-up trace's last step while no mouse is there.
if ! e2e_eventually 30 grep -q ': waiting for the mouse' "$E2E_DIR/diagnostics.log" 2>/dev/null; then
  e2e_fail "the program did not reach the wait for the mouse"
  e2e_finish
fi
e2e_expect "the program runs on without a mouse" e2e_is_running "$pid"
e2e_expect_eq "no window shown, no message box" "0" "$(e2e_program_window_count visible)"
e2e_expect_eq "nothing sent while no mouse is there" "0" "$(e2e_reports_from 1 | wc -l)"
e2e_expect "the simulated mouse's control runs" test -f "$E2E_DIR/simmouse.log"

echo plug >>"$E2E_DIR/simmouse.cmd"
if e2e_wait_reports 1 13 15; then
  e2e_log "ok: the mouse plugged in got its start-up reports"
else
  e2e_fail "the mouse plugged in was not configured ($(e2e_reports_from 1 | wc -l) reports)"
fi
# The same thirteen reports a start with the mouse present sends.
e2e_expect_eq "the thirteen reports of a normal start, and only those" "$E2E_FACTORY_START_REPORTS" "$(e2e_reports_from 1)"
e2e_expect_eq "still no window shown" "0" "$(e2e_program_window_count visible)"
e2e_expect "the program still runs" e2e_is_running "$pid"
e2e_expect_eq "vx230ctl is answered once the mouse is there" "mouse=connected profile=1" \
  "$(e2e_ctl status | head -2 | paste -sd' ')"

echo unplug >>"$E2E_DIR/simmouse.cmd"
if e2e_wait_exit "$pid" 15; then
  e2e_expect_eq "the program ended on unplug" "0" "$E2E_EXIT_CODE"
else
  e2e_fail "the program did not end on unplug"
fi

# Without --tray: the plug-in message, then the end, as without the wait.
rm -f "$E2E_DIR/simmouse.log" "$E2E_DIR/simmouse.cmd"
e2e_check_plugin_message "Please plug-in【VX230 Gaming Mouse Driver】USB Mouse" tray_waits_without_tray
unset VX230_SIM_START_UNPLUGGED
e2e_finish
