#!/usr/bin/env bash
# The run-time tree in a folder whose path holds Chinese characters and
# spaces: start-up, a save into config.ini, export and import through the
# common dialogs (to a file with a Chinese name), and the user macro file
# written by a reset all work there.
source "$(dirname "$0")/lib.sh"
e2e_begin unicode_path dist-sim
main=INI_EN/skin_main_en.ini
tree="$E2E_DIR/用户 桌面/VX230 工具"
mkdir -p "$tree"
find "$E2E_DIR" -mindepth 1 -maxdepth 1 ! -name '用户 桌面' -exec mv {} "$tree/" \;
E2E_DIR=$tree
ini=$tree/config.ini
exported="$tree/导出 设置"
e2e_ini_set "$tree/Macro_EN.dat" Macros macroNum 1
e2e_start_and_wait
e2e_log "ok: started from $(winepath -w "$tree" 2>/dev/null)"

e2e_click $main wheel_alternate  # alternate wheel mode
e2e_click $main save
wheel() { [ "$(e2e_ini_get "$ini" Config1 WHEEL_STATUS)" = 1 ]; }
e2e_expect "Save wrote config.ini" e2e_eventually 5 wheel

e2e_click $main export_config  # Export
e2e_file_dialog save "$exported"
export_done() { [ -n "$(e2e_ini_get "$exported.ini" Config7 FIRE_TIME 2>/dev/null)" ]; }
e2e_expect "Export wrote a file with a Chinese name" e2e_eventually 5 export_done
e2e_expect_eq "[Config7] holds profile 1" "$(e2e_section "$ini" Config1)" "$(e2e_section "$exported.ini" Config7)"

e2e_ini_set "$exported.ini" Config7 FIRE_TIME 77
e2e_click $main import_config  # Import it back, then Save
e2e_file_dialog open "$exported.ini"
e2e_click $main save
imported() { [ "$(e2e_ini_get "$ini" Config1 FIRE_TIME)" = 77 ]; }
e2e_expect "Import read the file with a Chinese name" e2e_eventually 5 imported

from=$(($(e2e_log_lines) + 1))
e2e_click $main reset_all  # Reset: writes the user macro file
e2e_wait_reports "$from" 13 10
macros() { [ "$(e2e_section "$tree/skins/INI_EN/defMacro.dat" Macros)" = "$(e2e_section "$tree/Macro_EN.dat" Macros)" ]; }
e2e_expect "Reset wrote the user macro file" e2e_eventually 5 macros
e2e_expect "no save temporaries left" eval "! ls '$tree'/*.tmp >/dev/null 2>&1"
e2e_expect "no settings write refused" eval "! grep -q 'DIAG settings not written' '$tree/simmouse.log'"

echo unplug >>"$tree/simmouse.cmd"
if e2e_wait_exit "$E2E_LAST_PID" 15; then
  e2e_expect_eq "the program ended normally" "0" "$E2E_EXIT_CODE"
else
  e2e_fail "the program did not end on unplug"
fi
e2e_expect "no crash" e2e_no_crash
e2e_finish
