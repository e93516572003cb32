#!/usr/bin/env bash
# Reset while profile 4 is current: [Config1] gets the built-in defaults
# (with the playback mode edited in memory), [Config2]..[Config5] their
# factory sections ([CfgReset_EN5] in English), the user macros of the
# language come back from defMacro.dat, and the result is applied.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin reset dist-sim
main=INI_EN/skin_main_en.ini
advanced=INI_EN/skin_advance_en.ini
ini=$E2E_DIR/config.ini
for n in 1 2 3 4 5; do e2e_ini_set "$ini" "Config$n" K1 41; done
e2e_ini_set "$E2E_DIR/Macro_EN.dat" Macros macroNum 1
cp "$E2E_DIR/Macro_CN.dat" "$E2E_DIR/Macro_CN.before"
e2e_start_and_wait

e2e_click $main profile4
e2e_click $main tab_advanced
e2e_click $advanced hold_mode  # hold playback mode, in memory only
e2e_click $main tab_main
from=$(($(e2e_log_lines) + 1))
e2e_click $main reset_all  # Reset
e2e_wait_reports "$from" 13 10
same() { [ "$(e2e_section "$1" "$2")" = "$(e2e_section "$3" "$4")" ]; }
reset_written() {
  same "$ini" Config4 "$ini" CfgReset4 && same "$ini" Config6 "$ini" Config4 &&
    same "$E2E_DIR/skins/INI_EN/defMacro.dat" Macros "$E2E_DIR/Macro_EN.dat" Macros
}
e2e_eventually 5 reset_written

expected="K0=1
K1=3
K2=2
K3=4
K4=5
K5=6
DPI_LEVEL=0
WHEEL_STATUS=0
MACRO_MODE2=1
DPI_SET0=3
DPI_SET_EN0=1
DPI_SET1=5
DPI_SET_EN1=1
DPI_SET2=6
DPI_SET_EN2=1
DPI_SET3=8
DPI_SET_EN3=1
LED_STATUS=0
DPI_SPEED=4
WHEEL_SPEED=2
USB_SPEED=2
FIRE_TIME=50"
e2e_expect_eq "[Config1] holds the built-in defaults" "$expected" "$(e2e_section "$ini" Config1)"
for n in 2 3 4; do
  e2e_expect_eq "[Config$n] is [CfgReset$n]" "$(e2e_section "$ini" CfgReset$n)" "$(e2e_section "$ini" Config$n)"
done
e2e_expect_eq "[Config5] is [CfgReset_EN5] in English" "$(e2e_section "$ini" CfgReset_EN5)" \
  "$(e2e_section "$ini" Config5)"
e2e_expect_eq "CurConfig stays 4" "4" "$(e2e_ini_get "$ini" Init CurConfig)"
e2e_expect_eq "the applied copy is profile 4" "$(e2e_section "$ini" Config4)" "$(e2e_section "$ini" Config6)"
e2e_expect_eq "the reset configuration was sent (13 reports)" "13" "$(e2e_reports_from "$from" | wc -l)"
e2e_expect_eq "button 3's function of [CfgReset4] sent" "07 10 04 00" \
  "$(e2e_reports_from "$from" | sed -n 4p | cut -c1-11)"
e2e_expect_eq "the English user macros are the defaults again" \
  "$(e2e_section "$E2E_DIR/skins/INI_EN/defMacro.dat" Macros)" "$(e2e_section "$E2E_DIR/Macro_EN.dat" Macros)"
e2e_expect "the Chinese user macros are untouched" cmp -s "$E2E_DIR/Macro_CN.dat" "$E2E_DIR/Macro_CN.before"
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
