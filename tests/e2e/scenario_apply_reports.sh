#!/usr/bin/env bash
# Start-up with the shipped config.ini sends the whole configuration as
# thirteen feature reports, byte for byte, saves the applied copy and sets
# the pointer speed and wheel lines of configuration 1.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin apply_reports dist-sim
e2e_set_mouse_sensitivity 3
e2e_start
if ! e2e_wait_window "$E2E_TITLE" 30; then
  e2e_fail "the main window did not appear"
  e2e_finish
fi
e2e_wait_reports 1 13 15 || e2e_fail "the start-up apply did not arrive"
actual=$(awk '$2 == "OUT" { $1 = ""; $2 = ""; sub(/^  /, ""); print }' "$E2E_DIR/simmouse.log" | head -13)
e2e_expect_eq "the thirteen reports of the apply" "$E2E_FACTORY_START_REPORTS" "$actual"
ini=$(tr -d '\r' <"$E2E_DIR/config.ini")
e2e_expect "CurConfig written" grep -q '^CurConfig=1$' <<<"$ini"
e2e_expect "the applied copy [Config6] written" grep -q '^\[Config6\]$' <<<"$ini"
e2e_expect_eq "pointer speed of DPI_SPEED 4" "8" "$(e2e_mouse_sensitivity)"
if e2e_windows_only "wheel lines: GNOME, the native scenarios' desktop, has no line count"; then
  lines=$(wine reg query 'HKCU\Control Panel\Desktop' /v WheelScrollLines 2>/dev/null | tr -d '\r' |
    awk '$1 == "WheelScrollLines" { print $3 }')
  e2e_expect_eq "wheel lines of WHEEL_SPEED 2" "3" "$lines"
fi
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
