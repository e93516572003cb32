#!/usr/bin/env bash
# Linux only: the pointer speed and the wheel's lines land in the desktop's
# own settings. Under Plasma (X11) in kcminputrc [Mouse] and kdeglobals
# [KDE] of the session's config folder, other lines kept, the speed put
# back to the middle on exit; in any other X11 session in the libinput
# speed of the X server's pointers, or, where none has one (Xvfb's), one
# line on record and nothing else. Without a system bus, one line says the
# sleep watch is off and one that the workers run at the normal priority.
# Usage: scenario_desktop_settings.sh (runs itself under xvfb-run when
# there is no display; VX_LINUX_BUILD_DIR names the linux preset's build tree).
set -uo pipefail
export VX_E2E_PLATFORM=linux
source "$(dirname "$0")/../lib.sh"
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent/system_bus_socket

run_until_unplugged() {
  e2e_start_and_wait
  echo unplug >>"$E2E_DIR/simmouse.cmd"
  e2e_wait_exit "$E2E_LAST_PID" 15 || e2e_fail "the program did not end on unplug"
}

# Plasma on X11. Configuration 1 has DPI_SPEED 4 (pointer speed 8 of 20:
# -2/9 on the desktop's -1..1) and WHEEL_SPEED 2 (3 lines); set 5 lines
# first, so that the change shows.
e2e_begin desktop_settings dist-sim
export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=x11
printf '[Keyboard]\nNumLock=0\n\n[Mouse]\ncursorTheme=breeze_cursors\n' >"$E2E_HOME/kcminputrc"
printf '[KDE]\nSingleClick=false\nWheelScrollLines=5\n' >"$E2E_HOME/kdeglobals"
e2e_start_and_wait
e2e_expect_eq "kcminputrc: the speed of configuration 1" "-0.222" \
  "$(e2e_ini_get "$E2E_HOME/kcminputrc" Mouse XLbInptPointerAcceleration)"
e2e_expect_eq "kdeglobals: the wheel lines of configuration 1" "3" \
  "$(e2e_ini_get "$E2E_HOME/kdeglobals" KDE WheelScrollLines)"
e2e_expect_eq "kcminputrc: the other lines kept" "0 breeze_cursors" \
  "$(e2e_ini_get "$E2E_HOME/kcminputrc" Keyboard NumLock) $(e2e_ini_get "$E2E_HOME/kcminputrc" Mouse cursorTheme)"
e2e_expect_eq "kdeglobals: the other lines kept" "false" "$(e2e_ini_get "$E2E_HOME/kdeglobals" KDE SingleClick)"
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_wait_exit "$E2E_LAST_PID" 15 || e2e_fail "the program did not end on unplug"
e2e_expect_eq "kcminputrc: the speed back in the middle on exit" "0" \
  "$(e2e_ini_get "$E2E_HOME/kcminputrc" Mouse XLbInptPointerAcceleration)"
e2e_expect_eq "no line about the pointer speed" 0 "$(e2e_diag_count 'pointer speed')"
e2e_expect_eq "no line about the wheel lines" 0 "$(e2e_diag_count 'wheel scroll lines')"
e2e_expect_eq "one line: no sleep watch without a system bus" 1 "$(e2e_diag_count 'sleep and wake not watched')"
e2e_expect_eq "one line: the workers at the normal priority" 1 "$(e2e_diag_count 'normal priority')"
e2e_cleanup

# Another X11 desktop: XInput. Pointers of the libinput driver get the
# speed; the virtual display's own have no such property.
e2e_begin desktop_settings_x11 dist-sim
export XDG_CURRENT_DESKTOP=XFCE XDG_SESSION_TYPE=x11
libinput_pointers=$(xinput list --id-only 2>/dev/null | while read -r id; do
  xinput list-props "$id" 2>/dev/null | grep -q 'libinput Accel Speed (' && echo "$id"
done)
run_until_unplugged
if [ -z "$libinput_pointers" ]; then
  e2e_expect_eq "no libinput pointer: one line, at start only" 1 "$(e2e_diag_count 'pointer speed')"
  e2e_expect_eq "the line names why" 1 "$(e2e_diag_count 'no pointer of the X server has a libinput speed')"
else
  e2e_expect_eq "no line about the pointer speed" 0 "$(e2e_diag_count 'pointer speed')"
  for id in $libinput_pointers; do
    e2e_expect_eq "pointer $id back in the middle on exit" "0.000000" \
      "$(xinput list-props "$id" | awk -F':\t' '/libinput Accel Speed \(/ { print $2 }')"
  done
fi
e2e_expect_eq "no wheel lines on this desktop, and no line about them" 0 "$(e2e_diag_count 'wheel scroll lines')"
e2e_expect "kcminputrc not written there" test ! -e "$E2E_HOME/kcminputrc"
e2e_finish
