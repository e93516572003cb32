#!/usr/bin/env bash
# The lighting page's LED preview: after applying the fast colour cycle the
# preview area changes every 800 ms; after applying "off" it stays grey;
# after the page is left the preview thread ends by itself.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin led_preview dist-sim
main=INI_EN/skin_main_en.ini
color=INI_EN/skin_color_en.ini
e2e_start_and_wait

threads() { e2e_thread_count; }
# samples NAME COUNT: screenshots of the preview area 300 ms apart; prints
# how many differ from each other.
samples() {
  local ox oy x y w h i
  read -r ox oy < <(e2e_window_origin)
  read -r x y w h < <(e2e_element $color led_preview)
  for ((i = 0; i < $2; i++)); do
    import -window root -crop "${w}x${h}+$((ox + x))+$((oy + y))" "$E2E_OUT/$1-$i.png" 2>/dev/null
    sleep 0.3
  done
  for ((i = 0; i < $2; i++)); do md5sum <"$E2E_OUT/$1-$i.png"; done | sort -u | wc -l
}

xdotool mousemove 60 30  # off any element: no hover
e2e_wait_settled
before=$(threads)
e2e_click $main tab_color  # lighting page: the preview thread starts
one_more() { [ "$(threads)" = "$((before + 1))" ]; }
e2e_expect "one preview thread more" e2e_eventually 5 one_more
e2e_click $color led_fast  # fast cycle
e2e_click $main apply
xdotool mousemove 60 30
distinct=$(samples led_preview-fast 12)
e2e_expect "the fast cycle changes the preview ($distinct pictures)" test "$distinct" -ge 3
e2e_screenshot led_preview-page
e2e_click $color led_off  # off
e2e_click $main apply
xdotool mousemove 60 30
grey() { [ "$(samples led_preview-off 4)" = 1 ]; }
e2e_expect "off keeps the preview grey" e2e_eventually 5 grey
e2e_click $main tab_main  # main page: the thread ends by itself
back() { [ "$(threads)" = "$before" ]; }
e2e_expect "no preview thread after leaving the page" e2e_eventually 5 back
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
