#!/usr/bin/env bash
# Ending the program while a macro holds a mouse button lets go of
# everything first: the last reports the mouse hears are every button up,
# no key, then the driver's exit. The exit is the tray menu's "Exit Driver"
# command, as the installer sends it too.
# Platforms: wine
source "$(dirname "$0")/lib.sh"
e2e_begin exit_releases dist-sim
ini=$E2E_DIR/config.ini
# The back button (device button 4) plays user macro 0, left-button clicks,
# in hold mode: pass after pass while the button is held.
e2e_ini_set "$ini" Config1 K3 41
e2e_ini_set "$ini" Config1 MACRO_MODE2 1
e2e_start_and_wait
pid=$E2E_LAST_PID
from=$(($(e2e_log_lines) + 1))
echo "press 4" >>"$E2E_DIR/simmouse.cmd"
pressed() { e2e_reports_from "$from" | grep -q '^07 16 00 FE'; }
e2e_expect "the macro holds the left button" e2e_eventually 5 pressed
e2e_wintext --title "$E2E_TITLE" --command 32800 >/dev/null
e2e_expect "the program ends" e2e_wait_exit "$pid" 10
last=$(e2e_reports_from "$from" | tail -3 | awk '$2 == "16" { print $1, $2, $4; next } $2 == "20" { print $1, $2; next } { print }' | paste -sd'|')
e2e_expect_eq "everything let go, then the driver's exit" "07 16 FF|07 15 00 00 00 00 00 00|07 20" "$last"
e2e_finish
