#!/usr/bin/env bash
# Linux only (the system bus has no Wine counterpart): logind's
# PrepareForSleep on the system bus (here a private one, without logind)
# makes the program send the whole configuration again, on waking and
# before sleeping alike. Without RealtimeKit on that bus the device workers
# run at the normal priority, said once.
# Usage: scenario_sleep_wake.sh (runs itself under xvfb-run when there is
# no display; VX_LINUX_BUILD_DIR names the linux preset's build tree).
set -uo pipefail
export VX_E2E_PLATFORM=linux
source "$(dirname "$0")/../lib.sh"
e2e_begin sleep_wake dist-sim
e2e_private_system_bus || { e2e_fail "the private system bus did not start"; e2e_finish; }
e2e_start_and_wait
startup=$(e2e_reports_from 1 | head -13)

sleep_signal() {
  dbus-send --system --type=signal /org/freedesktop/login1 org.freedesktop.login1.Manager.PrepareForSleep "boolean:$1"
}
for start in false true; do
  from=$(($(e2e_log_lines) + 1))
  sleep_signal "$start"
  if e2e_wait_reports "$from" 13 10; then
    e2e_expect_eq "PrepareForSleep($start) sent the thirteen reports of the start again" \
      "$startup" "$(e2e_reports_from "$from" | head -13)"
  else
    e2e_fail "PrepareForSleep($start): not thirteen reports (got $(e2e_reports_from "$from" | wc -l))"
  fi
done
e2e_expect_eq "the sleep watch is on (no line about it)" 0 "$(e2e_diag_count 'sleep and wake not watched')"
e2e_expect_eq "one line: the workers run at the normal priority" 1 "$(e2e_diag_count 'normal priority')"

echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_wait_exit "$E2E_LAST_PID" 15 || e2e_fail "the program did not end on unplug"
e2e_finish
