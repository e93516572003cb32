#!/usr/bin/env bash
# Linux only: the socket vx230ctl shares with the single-instance check.
# Bad and oversized lines sent straight on it get an error answer and
# change nothing; the notice reaches the desktop's notification service
# (here a private session bus, watched) and can be turned off; a process of
# another Unix user is refused, by the socket's mode and, where that was
# made wider, by the peer's user id (root only: the test makes a user).
# Usage: scenario_ctl_socket.sh (runs itself under xvfb-run when there is
# no display; VX_LINUX_BUILD_DIR names the linux preset's build tree).
set -uo pipefail
export VX_E2E_PLATFORM=linux
source "$(dirname "$0")/../lib.sh"
e2e_begin ctl_socket dist-sim
ini=$E2E_DIR/config.ini
socket=$XDG_RUNTIME_DIR/CZUV_GMouseApp.socket

bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || { e2e_fail "no session bus"; e2e_finish; }
export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
bus_pid=$(sed -n 2p <<<"$bus")
dbus-monitor --address "$DBUS_SESSION_BUS_ADDRESS" "interface='org.freedesktop.Notifications'" \
  >"$E2E_DIR/notices.log" 2>&1 &
monitor_pid=$!
stop_bus() { kill "$monitor_pid" "$bus_pid" 2>/dev/null; }

e2e_start_and_wait

before=$(md5sum <"$ini")
from=$(($(e2e_log_lines) + 1))
e2e_expect_eq "an oversized line is refused" "VX230CTL/1 error request longer than 4096 bytes" \
  "$(e2e_ctl_raw "VX230CTL/1 export 3 /tmp/$(head -c 5000 /dev/zero | tr '\0' a)")"
e2e_expect_eq "another version is refused" "VX230CTL/1 error request is not VX230CTL/1" "$(e2e_ctl_raw 'VX230CTL/2 profile 3')"
e2e_expect_eq "an unknown word is refused" 'VX230CTL/1 error unknown request "reboot"' "$(e2e_ctl_raw 'VX230CTL/1 reboot')"
e2e_expect_eq "status answers on the raw socket" "VX230CTL/1 ok mouse=connected profile=1 applied=1 language=en autoswitch=off" \
  "$(e2e_ctl_raw 'VX230CTL/1 status')"
e2e_expect_eq "bad lines changed nothing" "$before" "$(md5sum <"$ini")"
e2e_expect_eq "and sent nothing" "0" "$(e2e_reports_from "$from" | wc -l)"
e2e_expect_eq "each refusal on record once" "3" "$(e2e_diag_count 'vx230ctl request refused')"

# The notice: on by default, off with [Hotkeys] Notice=0.
e2e_ctl profile 3 >/dev/null
e2e_expect "the notice went to the desktop" e2e_eventually 5 grep -q 'string "Profile 3 applied"' "$E2E_DIR/notices.log"
e2e_ini_set "$ini" Hotkeys Notice 0
e2e_ctl profile 2 >/dev/null
e2e_ini_set "$ini" Hotkeys Notice 1
e2e_ctl profile 4 >/dev/null
e2e_expect "a notice again once on" e2e_eventually 5 grep -q 'string "Profile 4 applied"' "$E2E_DIR/notices.log"
e2e_expect_eq "none while off" "0" "$(grep -c 'Profile 2 applied' "$E2E_DIR/notices.log")"
stop_bus

# Another Unix user.
if [ "$(id -u)" -ne 0 ] || ! command -v useradd >/dev/null || ! command -v setpriv >/dev/null; then
  e2e_log "SKIP: the other user's refusal needs root (to make a user) and setpriv"
else
  other=vx230-ctl-test
  id "$other" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$other"
  other_uid=$(id -u "$other")
  tools=$(mktemp -d)
  cp "$E2E_LINUX_BUILD/vx230ctl" "$tools/"
  chmod 755 "$tools" "$tools/vx230ctl"
  as_other() {
    (cd / && setpriv --reuid="$other_uid" --regid="$(id -g "$other")" --clear-groups \
      env XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" "$tools/vx230ctl" "$@") 2>"$E2E_DIR/other-stderr.log"
  }
  before=$(md5sum <"$ini")
  from=$(($(e2e_log_lines) + 1))
  as_other profile 5 >/dev/null
  e2e_expect_eq "another user: refused (exit 3)" "3" "$?"
  e2e_expect "  because the socket is not theirs" grep -q "the program runs for another user" "$E2E_DIR/other-stderr.log"
  # Where the folder and the socket were made wider, the program still
  # turns the other user away by the peer's user id.
  chmod 755 "$XDG_RUNTIME_DIR"
  chmod 777 "$socket"
  as_other profile 5 >/dev/null
  e2e_expect_eq "another user through a wide socket: refused (exit 3)" "3" "$?"
  e2e_expect_eq "  the program put it on record" "1" \
    "$(e2e_diag_count "vx230ctl connection refused: it comes from user $other_uid")"
  chmod 700 "$XDG_RUNTIME_DIR"
  e2e_expect_eq "the other user changed nothing" "$before" "$(md5sum <"$ini")"
  e2e_expect_eq "and sent nothing" "0" "$(e2e_reports_from "$from" | wc -l)"
  e2e_expect_eq "the program's own user still gets through" "profile=4" "$(e2e_ctl status | grep '^profile=')"
  rm -rf "$tools"
  userdel "$other" 2>/dev/null
fi

echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_wait_exit "$E2E_LAST_PID" 15 || e2e_fail "the program did not end on unplug"
e2e_finish
