#!/usr/bin/env bash
# Per-program profiles natively on X11: three plain X11 windows with their
# own WM_CLASS (one as a Proton game shows itself); the scenario plays the
# window manager and names each in _NET_ACTIVE_WINDOW in turn. The rule's
# profile is applied (13 reports, CurConfig, [Config6]); a window without a
# rule brings back the profile from before; a fast switch through three
# windows sends only the last one's profile; a window that names its
# program only after it is in front is still recognised.
# Platforms: linux
source "$(dirname "$0")/lib.sh"
if [ "$E2E_PLATFORM" != linux ]; then
  echo "[program_profiles_x11] the X11 watch is the native program's: nothing to do under Wine"
  exit 0
fi
e2e_begin program_profiles_x11 dist-sim
ini=$E2E_DIR/config.ini
windows=$E2E_ROOT/tests/e2e/linux/x11_windows.py
e2e_ini_set "$ini" AutoSwitch Enabled 1
e2e_ini_set "$ini" AutoSwitch Fallback 0
e2e_ini_set "$ini" AutoSwitch Rules 2
e2e_ini_set "$ini" AutoSwitch Rule1 "3|class|VXGAME"
e2e_ini_set "$ini" AutoSwitch Rule2 "4|class|steam_app_570"
e2e_start_and_wait

# open NAME INSTANCE CLASS [--late]: a window; its id in the variable NAME.
open() {
  local file=$E2E_HOME/$1.id
  python3 "$windows" window "$2" "$3" "$1" ${4:-} >"$file" 2>/dev/null &
  E2E_PIDS+=("$!")
  e2e_eventually 10 test -s "$file" || e2e_fail "the window $1 did not open"
  printf -v "$1" '%s' "$(head -1 "$file")"
}
open game vxgame VxGame
open proton steam_app_570 steam_app_570
open plain vxplain VxPlain
front() { python3 "$windows" activate "$@"; }

expect_switch() { e2e_expect_applied_after "$3" "$2" front "$1"; }

expect_switch "$game" 3 "the window of class VxGame"
expect_switch "$proton" 4 "the Proton-like window"
expect_switch "$plain" 1 "a window without a rule"
e2e_screenshot program_profiles_x11

# Three windows within the settle time: only the last one's profile is sent.
e2e_expect_fast_switch window 1 3 front "$proton" "$plain" "$game"
# A window without its class and process yet when it comes to the front.
from=$(($(e2e_log_lines) + 1))
open late steam_app_570 steam_app_570 --late
front "$late"
e2e_expect "a window that names its program late still switches" e2e_wait_reports "$from" 13 10
e2e_eventually 5 eval "[ \"\$(e2e_ini_get '$ini' Init CurConfig)\" = 4 ]" || e2e_fail "the late window did not apply profile 4"

e2e_expect "the diagnostics name only the rule and the profile" \
  grep -qE 'DIAG per-program profiles: rule 2 -> profile 4$' "$E2E_DIR/simmouse.log"
e2e_expect "no window class or program path on record" \
  eval "! grep DIAG '$E2E_DIR/simmouse.log' | grep -qiE 'vxgame|steam_app|python'"
e2e_expect "no crash" e2e_no_crash

e2e_close_window "$E2E_TITLE" 2>/dev/null
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
