#!/usr/bin/env bash
# Started with --tray (the start-with-Windows entry) the program sends its
# start-up reports and shows only its tray icon, no window; a double-click
# on the tray icon shows the window as after a close to the tray. Started
# again from the Start menu while it runs hidden, it shows the window too.
source "$(dirname "$0")/lib.sh"
e2e_begin start_hidden dist-sim
e2e_start --tray
if ! e2e_wait_reports 1 13 30; then
  e2e_fail "the start-up reports were not sent"
  e2e_finish
fi
sleep 1.5  # time for a late show to happen, had it not been held back
e2e_expect_eq "the main window exists" "1" "$(e2e_window_count "$E2E_TITLE")"
e2e_expect_eq "the main window is not shown" "0" "$(e2e_visible_window_count "$E2E_TITLE")"
e2e_expect "no visible X window of the program" eval "! xdotool search --onlyvisible --name '^$E2E_TITLE\$' >/dev/null 2>&1"
if tray=$(e2e_wait_xwindow '^Wine System Tray$' 5); then
  e2e_screenshot start-hidden-tray
  read -r tx ty th < <(xdotool getwindowgeometry --shell "$tray" |
    awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } /^HEIGHT=/ { h = $2 } END { print x, y, h }')
  xdotool mousemove $((tx + 10)) $((ty + th - 10))
  sleep 0.3
  xdotool click --repeat 2 --delay 80 1
  if e2e_wait_window "$E2E_TITLE" 5; then
    e2e_log "ok: a double-click on the tray icon showed the window"
  else
    e2e_fail "the tray icon's double-click did not show the window"
  fi
  e2e_screenshot start-hidden-shown
else
  e2e_fail "no tray icon"
fi
echo unplug >>"$E2E_DIR/simmouse.cmd"
if e2e_wait_exit "$E2E_LAST_PID" 15; then
  e2e_log "ok: the program ended on unplug"
else
  e2e_fail "the program did not end on unplug"
fi

rm -f "$E2E_DIR/simmouse.log" "$E2E_DIR/simmouse.cmd"
e2e_start --tray
first=$E2E_LAST_PID
e2e_wait_reports 1 13 30 || e2e_fail "the start-up reports were not sent (second run)"
sleep 1
e2e_expect_eq "hidden again with --tray" "0" "$(e2e_visible_window_count "$E2E_TITLE")"
e2e_start
if e2e_wait_exit "$E2E_LAST_PID" 15; then
  e2e_log "ok: the second start ended"
else
  e2e_fail "the second start did not end"
fi
if e2e_wait_window "$E2E_TITLE" 5; then
  e2e_log "ok: the second start showed the hidden window"
else
  e2e_fail "the second start did not show the hidden window"
fi
E2E_LAST_PID=$first
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_wait_exit "$first" 15 || e2e_fail "the program did not end on unplug (second run)"
e2e_finish
