#!/usr/bin/env bash
# A button holding a user macro plays it through the mouse with its recorded
# delays; the DPI button's level change is saved in the current profile.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin macro_press dist-sim
# Back button (device button 4) plays user macro 0 "Double click" in toggle
# mode; the English interface reads Macro_EN.dat.
sed -i 's/^VER_SEL=.*/VER_SEL=1\r/; /^\[Config1\]/,/^\[/ s/^K3=.*/K3=41\r/' "$E2E_DIR/config.ini"
e2e_start
if ! e2e_wait_window "$E2E_TITLE" 30; then
  e2e_fail "the main window did not appear"
  e2e_finish
fi
e2e_wait_reports 1 13 15 || e2e_fail "the start-up apply did not arrive"
from=$(($(e2e_log_lines) + 1))
echo "press 4" >>"$E2E_DIR/simmouse.cmd"
sleep 0.3  # the button is held a moment, as a finger does
echo "release 4" >>"$E2E_DIR/simmouse.cmd"
e2e_wait_reports "$from" 6 10 || e2e_fail "the macro did not play"
log=$E2E_DIR/simmouse.log
# The reports after the press: four mouse-button events, then the release of
# everything (buttons, then keys).
played=$(awk '/ IN 06 F4 / { on = 1; next } on && $2 == "OUT" { $1 = ""; $2 = ""; sub(/^  /, ""); print }' "$log" | head -6)
expected="07 16 00 FE 00 00 00 00
07 16 00 FF 00 00 00 00
07 16 00 FE 00 00 00 00
07 16 00 FF 00 00 00 00
07 16 00 FF 00 00 00 00
07 15 00 00 00 00 00 00"
e2e_expect_eq "the macro's reports" "$expected" "$played"
# Each event waits its recorded delay (20, 40, 20 ms) before the next one,
# measured from the report before it: never shorter.
gaps=$(awk '/ IN 06 F4 / { on = 1; next } on && $2 == "OUT" { if (n++ > 0) printf "%.3f\n", ($1 - last); last = $1 }' "$log" | head -3 | tr '\n' ' ')
within() {  # GAP NOMINAL: never short, at most 10 ms long (a busy machine)
  awk -v g="$1" -v n="$2" 'BEGIN { exit !(g >= n && g <= n + 10) }'
}
read -r g1 g2 g3 <<<"$gaps"
e2e_expect "delays kept (got: $gaps ms)" eval 'within "${g1:-0}" 20 && within "${g2:-0}" 40 && within "${g3:-0}" 20'
# The DPI button: the mouse steps to level 1 and the program saves it.
echo "press 6" >>"$E2E_DIR/simmouse.cmd"
level_saved() { [ "$(e2e_ini_get "$E2E_DIR/config.ini" Config1 DPI_LEVEL)" = 1 ]; }
e2e_expect "DPI_LEVEL saved in [Config1]" e2e_eventually 5 level_saved
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
