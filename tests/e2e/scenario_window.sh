#!/usr/bin/env bash
# The window itself: dragged by a place that is no element it moves by the
# drag distance; the minimise element minimises it; the close element hides
# it to the tray, and the tray menu's first entry shows it again.
source "$(dirname "$0")/lib.sh"
e2e_begin window dist-sim
main=INI_EN/skin_main_en.ini
e2e_start_and_wait

read -r x0 y0 < <(e2e_window_origin)
xdotool mousemove $((x0 + 60)) $((y0 + 30)) mousedown 1   # the logo: no element
# The drag starts once the program has taken the press; moves before that
# are not part of it, and nothing on the screen tells when it has.
sleep 0.3
# A hand's pace: the move loop of the drag takes the pointer step by step.
for step in 1 2 3 4 5; do
  xdotool mousemove $((x0 + 60 + 20 * step)) $((y0 + 30 + 10 * step)) sleep 0.1
done
xdotool mouseup 1
moved() { read -r x1 y1 < <(e2e_window_origin); [ "$((x1 - x0)) $((y1 - y0))" = "100 50" ]; }
e2e_eventually 5 moved
read -r x1 y1 < <(e2e_window_origin)
e2e_expect_eq "the drag moved the window by (100, 50)" "100 50" "$((x1 - x0)) $((y1 - y0))"

iconic() { [ "$(e2e_wintext --process "$E2E_EXE" --title "$E2E_TITLE" --iconic --count | tail -1)" = "$1" ]; }
e2e_click $main minimize
e2e_expect "the window is minimised" e2e_eventually 5 iconic 1
e2e_wintext --process "$E2E_EXE" --title "$E2E_TITLE" --command 32801 >/dev/null  # Show Window
e2e_expect "Show Window restores it" e2e_eventually 5 iconic 0

e2e_click $main close  # close: hidden to the tray
e2e_expect_eq "the close element hid the window" "0" "$(e2e_visible_window_count "$E2E_TITLE")"
e2e_expect "the program still runs" e2e_is_running "$E2E_LAST_PID"
if tray=$(e2e_wait_xwindow '^Wine System Tray$' 5); then
  # The icons sit in the client area, at the bottom of the framed window.
  read -r tx ty th < <(xdotool getwindowgeometry --shell "$tray" |
    awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } /^HEIGHT=/ { h = $2 } END { print x, y, h }')
  e2e_screenshot window-tray
  # Right-click the icon, then click the menu's first entry just below the
  # pointer; the menu can be slow to appear, so try again if the window
  # did not come back.
  for attempt in 1 2 3; do
    e2e_repainted xdotool mousemove $((tx + 10)) $((ty + th - 10)) click 3  # the tray menu opens
    [ "$attempt" = 1 ] && e2e_screenshot window-tray-menu
    xdotool mousemove $((tx + 50)) $((ty + th + 2)) click 1
    e2e_wait_window "$E2E_TITLE" 3 && break
    xdotool key Escape
  done
  e2e_expect_eq "the tray menu's Show Window brought it back" "1" "$(e2e_visible_window_count "$E2E_TITLE")"
else
  e2e_fail "no tray window"
fi
e2e_screenshot window-shown-again
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
