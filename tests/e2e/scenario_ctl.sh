#!/usr/bin/env bash
# vx230ctl against the running program: exit 2 with none running; status
# before and after; profile 3 applied as the clicks would (13 reports,
# CurConfig, the applied copy); export byte for byte as the window's own
# export, import back; bad usage and refusals (bad and oversized lines sent
# as they are too) with their exit codes,
# changing nothing; a [Hotkeys] combination pressed switches and applies.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin ctl dist-sim
main=INI_EN/skin_main_en.ini
ini=$E2E_DIR/config.ini

e2e_ctl status >/dev/null
e2e_expect_eq "no program running: exit 2" "2" "$?"
e2e_expect_eq "and it says so" "vx230ctl: the program is not running" "$(tr -d '\r' <"$E2E_CTL_ERR")"
e2e_expect_eq "--version needs no program" "vx230ctl 1.0.0" "$(e2e_ctl --version)"

e2e_ini_set "$ini" Hotkeys Profile2 Ctrl+Alt+2
e2e_start_and_wait
e2e_expect_eq "status before" "mouse=connected profile=1 applied=1 language=en autoswitch=off" "$(e2e_ctl status | paste -sd' ')"
e2e_expect_eq "status exits 0" "0" "$(e2e_ctl status >/dev/null; echo $?)"
if [ "$E2E_PLATFORM" = wine ]; then
  # The pipe lets in the user who started the program and nobody else
  # (under Wine there is no second user to try it with).
  security=$(wine "$E2E_WIN_BUILD/tools/ctlsend.exe" --dacl 2>/dev/null | tr -d '\r')
  user=$(sed -n 's/^user=//p' <<<"$security")
  e2e_expect_eq "the pipe's DACL: only the user ($user), nothing inherited" "D:P(A;;GA;;;$user)" \
    "$(sed -n 's/^dacl=//p' <<<"$security")"
fi

config3=$(e2e_section "$ini" Config3)
from=$(($(e2e_log_lines) + 1))
e2e_expect_eq "profile 3 answers" "profile=3 applied=3" "$(e2e_ctl profile 3 | paste -sd' ')"
e2e_expect "the 13 reports of an apply were sent" e2e_wait_reports "$from" 13 10
sleep 0.5
e2e_expect_eq "exactly 13 reports" "13" "$(e2e_reports_from "$from" | wc -l)"
e2e_expect_eq "CurConfig=3" "3" "$(e2e_ini_get "$ini" Init CurConfig)"
e2e_expect_eq "the applied copy is profile 3" "$config3" "$(e2e_section "$ini" Config6)"
e2e_expect_eq "status after" "mouse=connected profile=3 applied=3 language=en autoswitch=off" "$(e2e_ctl status | paste -sd' ')"
# Wine's tray shows the balloon as a tooltip window with the notice's text.
balloon() { [ "$(e2e_wintext --process explorer.exe --title "$1" --count)" -ge 1 ] 2>/dev/null; }
if [ "$E2E_PLATFORM" = wine ]; then
  e2e_expect "the tray's balloon says Profile 3 applied" e2e_eventually 5 balloon "Profile 3 applied"
fi

# The window now shows profile 3: its export and vx230ctl's, byte for byte.
e2e_click $main export_config
e2e_file_dialog save "$E2E_DIR/window.ini"
e2e_expect "the window exported" e2e_eventually 5 test -s "$E2E_DIR/window.ini"
e2e_expect_eq "export exits 0" "profile=3" "$(e2e_ctl export 3 "$(e2e_ctl_path "$E2E_DIR/ctl export.ini")")"
e2e_expect "the two exports are the same bytes" cmp -s "$E2E_DIR/window.ini" "$E2E_DIR/ctl export.ini"

e2e_expect_eq "import exits 0" "profile=1" "$(e2e_ctl import 1 "$(e2e_ctl_path "$E2E_DIR/ctl export.ini")")"
e2e_expect_eq "profile 1 now holds profile 3" "$config3" "$(e2e_section "$ini" Config1)"
e2e_expect_eq "what was shown stays" "3" "$(e2e_ctl status | awk -F= '$1 == "profile" { print $2 }')"

from=$(($(e2e_log_lines) + 1))
xdotool windowfocus --sync "$(e2e_main_window_id)" 2>/dev/null
xdotool key ctrl+alt+2
e2e_expect "the hotkey applied: 13 reports" e2e_wait_reports "$from" 13 10
e2e_expect_eq "the hotkey wrote CurConfig=2" "2" "$(e2e_ini_get "$ini" Init CurConfig)"
if [ "$E2E_PLATFORM" = wine ]; then
  e2e_expect "the balloon says Profile 2 applied" e2e_eventually 5 balloon "Profile 2 applied"
fi
e2e_expect_eq "status after the hotkey" "mouse=connected profile=2 applied=2 language=en autoswitch=off" \
  "$(e2e_ctl status | paste -sd' ')"

before=$(md5sum <"$ini")
from=$(($(e2e_log_lines) + 1))
printf '[Other]\r\nA=1\r\n' >"$E2E_DIR/none.ini"
e2e_ctl import 2 "$(e2e_ctl_path "$E2E_DIR/none.ini")" >/dev/null
e2e_expect_eq "a file without a profile is refused: exit 3" "3" "$?"
e2e_expect "with the reason" grep -q "refused: import: .*holds no profile" "$E2E_CTL_ERR"
for usage in "profile 6" "profile" "reboot" "export 3"; do
  # shellcheck disable=SC2086
  e2e_ctl $usage >/dev/null 2>&1
  e2e_expect_eq "bad usage '$usage': exit 1" "1" "$?"
done
e2e_expect_eq "an oversized line is refused" "VX230CTL/1 error request longer than 4096 bytes" \
  "$(e2e_ctl_raw --long 5000)"
e2e_expect_eq "another version is refused" "VX230CTL/1 error request is not VX230CTL/1" \
  "$(e2e_ctl_raw 'VX230CTL/2 profile 3')"
e2e_expect_eq "a profile out of range is refused" "VX230CTL/1 error profile: the profile is not 1..5" \
  "$(e2e_ctl_raw 'VX230CTL/1 profile 9')"
e2e_expect_eq "refusals changed nothing" "$before" "$(md5sum <"$ini")"
e2e_expect_eq "and sent nothing" "0" "$(e2e_reports_from "$from" | wc -l)"
e2e_expect_eq "each refusal is on record once" "4" "$(grep -c 'DIAG vx230ctl request refused: ' "$E2E_DIR/simmouse.log")"
# The tray took the balloons (natively the desktop's notification service
# is watched in linux/scenario_ctl_socket.sh; here there is none).
if [ "$E2E_PLATFORM" = wine ]; then
  e2e_expect_eq "no notice was refused" "0" "$(grep -c 'DIAG notice not shown' "$E2E_DIR/simmouse.log")"
fi

echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
