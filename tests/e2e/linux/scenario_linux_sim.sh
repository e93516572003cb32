#!/usr/bin/env bash
# The native Linux program over the simulated mouse, under a virtual X
# display: start-up sends the whole configuration, an edit and a click on
# Save write config.ini, Export writes [Config7] through the file dialog
# (default extension appended), keys recorded into a macro are saved as
# Windows virtual keys with their pauses, Cancel hides the window and a second start brings
# it back and ends, and unplugging the mouse ends the program.
# Usage: scenario_linux_sim.sh PATH/TO/vx230-sim (runs itself under
# xvfb-run when there is no display).
set -uo pipefail
program=$(realpath "$1")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x800x24' bash "$0" "$program"
fi

source "$(dirname "$0")/../lib.sh"
E2E_NAME=linux_sim
E2E_OUT=$(dirname "$program")/e2e
home=$E2E_OUT/home
E2E_DIR=$home/vx230-sim
rm -rf "$home"
mkdir -p "$home"
# A session of its own: a program the user runs is no first instance here.
mkdir -p "$home/run" && chmod 700 "$home/run"
export XDG_CONFIG_HOME=$home XDG_RUNTIME_DIR=$home/run QT_QPA_PLATFORM=xcb
# The Windows helpers' clean-up ends Wine processes; this one has none.
linux_cleanup() {
  for pid in "${E2E_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null; done
}
trap linux_cleanup EXIT
main=INI_EN/skin_main_en.ini
adv=INI_EN/skin_advance_en.ini

# The events of every macro in a macro file, one macro per line:
# "code,action" per event, code in hex.
macro_events() { python3 "$E2E_ROOT/tests/e2e/vxfiles.py" macro-events "$1"; }

"$program" >"$E2E_OUT/linux_sim.out" 2>&1 &
pid=$!
E2E_PIDS=("$pid")
started=$(date +%s%N)
for _ in $(seq 1 150); do
  [ -n "$(e2e_main_window_id)" ] && break
  sleep 0.1
done
shown_ms=$((($(date +%s%N) - started) / 1000000))
e2e_expect "the main window appeared" test -n "$(e2e_main_window_id)"
e2e_log "window shown ${shown_ms} ms after the start"
e2e_expect "start-up sent the 13 reports of the configuration" e2e_wait_reports 1 13 15
e2e_expect "the first report is a setting of report 7" grep -qE '^[0-9.]+ OUT 07 ' "$E2E_DIR/simmouse.log"
e2e_wait_settled
e2e_screenshot linux_main

ini=$E2E_DIR/config.ini
before=$(e2e_section "$ini" Config1)
e2e_click $main wheel_alternate  # an edit: alternate wheel mode
e2e_click $main save
edited() { [ "$before" != "$(e2e_section "$ini" Config1)" ]; }
e2e_expect "Save wrote the edit into config.ini" e2e_eventually 5 edited

e2e_click $main export_config  # Export
if dialog=$(e2e_wait_xwindow '^Save As$' 10); then
  e2e_give_keyboard "$dialog"
  xdotool type --delay 20 "$home/exported"
  xdotool key Return
  exported() { [ -n "$(e2e_ini_get "$home/exported.ini" Config7 FIRE_TIME 2>/dev/null)" ]; }
  e2e_expect "Export made exported.ini" e2e_eventually 5 exported
  e2e_expect_eq "Export wrote [Config7] of profile 1 with the default extension" \
    "$(e2e_section "$ini" Config1)" "$(e2e_section "$home/exported.ini" Config7)"
else
  e2e_fail "no Save As dialog appeared"
fi

e2e_click $main tab_advanced  # the advanced page
e2e_click_repaint $adv record  # Record into the selected macro: the button reads Stop
e2e_repainted xdotool keydown a sleep 0.2 keyup a sleep 0.3 keydown shift sleep 0.15 keydown b sleep 0.1 keyup b keyup shift
e2e_click $adv record  # Stop
e2e_click $adv set_repeat  # Set: the macro file is written
typed() { grep -qx "41,1 41,2 A0,1 42,1 42,2 A0,2" <<<"$(macro_events "$E2E_DIR/Macro_EN.dat")"; }
e2e_expect "the typed keys are saved as Windows virtual keys, left Shift told apart" e2e_eventually 5 typed
e2e_click $main tab_main  # back to the main page

visible() { xdotool search --onlyvisible --name "^$E2E_TITLE\$" 2>/dev/null | wc -l; }
e2e_click $main cancel  # Cancel: hidden to the tray
hidden() { [ "$(visible)" = 0 ]; }
shown() { [ "$(visible)" = 1 ]; }
e2e_expect "Cancel hid the window" e2e_eventually 5 hidden
"$program" >"$E2E_OUT/linux_sim_second.out" 2>&1
e2e_expect_eq "the second start ended normally" "0" "$?"
e2e_expect "the second start showed the running window again" e2e_eventually 5 shown
e2e_expect "the first program still runs" e2e_is_running "$pid"

echo unplug >>"$E2E_DIR/simmouse.cmd"
if e2e_wait_exit "$pid" 15; then
  e2e_expect_eq "the program ended normally after the unplug" "0" "$E2E_EXIT_CODE"
else
  e2e_fail "the program still runs after the mouse was unplugged"
fi
E2E_PIDS=()
trap - EXIT
if [ "$E2E_FAILED" -eq 0 ]; then e2e_log "PASSED"; exit 0; fi
e2e_log "FAILED"
exit 1
