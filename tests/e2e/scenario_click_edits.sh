#!/usr/bin/env bash
# Real clicks on the three pages edit the configuration: the DPI grid, an
# enable box, the active level, the wheel mode, pointer and wheel speed, the
# rapid-fire slider and its + button, the playback mode and the LED mode.
# Save writes them into [Config1]; Apply sends exactly the reports that
# follow from them and sets the pointer speed and wheel lines.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin click_edits dist-sim
main=INI_EN/skin_main_en.ini
advanced=INI_EN/skin_advance_en.ini
color=INI_EN/skin_color_en.ini
e2e_start_and_wait

e2e_click $main dpi2_4800  # DPI grid: level 2 (row 1), step 11
e2e_click $main dpi_enable4  # level 4 disabled
e2e_click $main dpi_select3  # level 3 active
e2e_click $main wheel_alternate  # alternate wheel mode
e2e_click $main tab_advanced  # advanced page
e2e_click $advanced pointer_speed_8  # pointer speed 7
e2e_click $advanced scroll_speed_1  # wheel speed 0
e2e_click $advanced fire_slider 0  # slider at its left edge: 0
# + twice: 2. A click elsewhere between them keeps the second from being
# the second half of a double click, which the window ignores.
e2e_click $advanced fire_plus
e2e_click $advanced hold_mode  # hold playback mode
e2e_click $advanced fire_plus
e2e_click $main tab_color  # lighting page
e2e_click $color led_steady  # LED mode 2
e2e_screenshot click_edits-color
e2e_click $main tab_main  # back to the main page
e2e_screenshot click_edits-main

e2e_click $main save
saved() { [ "$(e2e_ini_get "$E2E_DIR/config.ini" Config1 FIRE_TIME)" = 2 ]; }
e2e_eventually 5 saved
expected="K0=1
K1=3
K2=2
K3=4
K4=5
K5=6
DPI_LEVEL=2
WHEEL_STATUS=1
MACRO_MODE2=1
DPI_SET0=3
DPI_SET_EN0=1
DPI_SET1=11
DPI_SET_EN1=1
DPI_SET2=6
DPI_SET_EN2=1
DPI_SET3=8
DPI_SET_EN3=0
LED_STATUS=2
DPI_SPEED=7
WHEEL_SPEED=0
USB_SPEED=2
FIRE_TIME=2"
e2e_expect_eq "Save wrote the edits into [Config1]" "$expected" "$(e2e_section "$E2E_DIR/config.ini" Config1)"
e2e_expect_eq "nothing was sent before Apply" "13" "$(e2e_reports_from 1 | wc -l)"

from=$(($(e2e_log_lines) + 1))
e2e_click $main apply
e2e_wait_reports "$from" 13 10
expected="07 10 01 01 00 00 00 00
07 10 03 03 00 00 00 00
07 10 02 02 00 00 00 00
07 10 04 04 00 00 00 00
07 10 05 05 00 00 00 00
07 10 06 06 00 00 00 00
07 11 01 00 00 00 00 00
07 09 42 48 07 00 00 00
07 09 42 F9 07 00 00 00
07 09 42 7A 07 00 00 00
07 09 42 BB 07 00 00 00
07 13 7F 16 07 00 00 00
07 12 00 00 00 00 00 00"
e2e_expect_eq "Apply sent the edited configuration" "$expected" "$(e2e_reports_from "$from")"
e2e_expect_eq "pointer speed of DPI_SPEED 7" "14" "$(e2e_mouse_sensitivity)"
if e2e_windows_only "wheel lines: GNOME, the native scenarios' desktop, has no line count"; then
  lines=$(wine reg query 'HKCU\Control Panel\Desktop' /v WheelScrollLines 2>/dev/null | tr -d '\r' |
    awk '$1 == "WheelScrollLines" { print $3 }')
  e2e_expect_eq "wheel lines of WHEEL_SPEED 0" "1" "$lines"
fi
e2e_expect_eq "the applied copy holds the edits" "$(e2e_section "$E2E_DIR/config.ini" Config1)" \
  "$(e2e_section "$E2E_DIR/config.ini" Config6)"
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
