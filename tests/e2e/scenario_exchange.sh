#!/usr/bin/env bash
# Export and import through the real common dialogs: a new file gets one
# [Config7] section (".ini" appended), an existing INI keeps its other
# sections, importing it back gives all 22 values again, and cancelling a
# dialog changes nothing.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin exchange dist-sim
main=INI_EN/skin_main_en.ini
ini=$E2E_DIR/config.ini
e2e_start_and_wait

e2e_click $main profile2
e2e_click $main export_config  # Export into a new file
e2e_expect_eq "the export dialog's file type" "All Files(*.ini)" "$(e2e_file_dialog_filter save)"
e2e_file_dialog save "$E2E_DIR/exported"
exported() { [ -n "$(e2e_ini_get "$E2E_DIR/exported.ini" Config7 FIRE_TIME 2>/dev/null)" ]; }
e2e_expect "the default extension was appended" e2e_eventually 5 exported
e2e_expect_eq "[Config7] holds profile 2" "$(e2e_section "$ini" Config2)" \
  "$(e2e_section "$E2E_DIR/exported.ini" Config7)"
e2e_expect_eq "the new file holds only [Config7]" "[Config7]" "$(grep '^\[' "$E2E_DIR/exported.ini" | tr -d '\r')"

printf '[Mine]\r\nA=1\r\n[Config7]\r\nK0=9\r\nnote=kept\r\n[Other]\r\nB=2\r\n' >"$E2E_DIR/existing.ini"
e2e_click $main profile3
e2e_click $main export_config  # Export over an existing INI: the overwrite question first
e2e_file_dialog save "$E2E_DIR/existing.ini"
# The dialog asks before replacing the file: answer yes (the program then
# changes only [Config7]). The question may take a moment to appear.
for attempt in 1 2 3 4 5 6 7 8; do
  [ "$(e2e_ini_get "$E2E_DIR/existing.ini" Config7 K1)" = 29 ] && break
  if e2e_wait_xwindow '^(Save As|另存为|Confirm Save As|确认另存为)$' 1 >/dev/null; then
    e2e_answer_yes
  fi
  sleep 0.7
done
e2e_expect_eq "other sections kept" "A=1" "$(e2e_section "$E2E_DIR/existing.ini" Mine)"
e2e_expect_eq "the last section kept" "B=2" "$(e2e_section "$E2E_DIR/existing.ini" Other)"
e2e_expect_eq "an unknown key of [Config7] kept" "kept" "$(e2e_ini_get "$E2E_DIR/existing.ini" Config7 note)"
e2e_expect_eq "[Config7] holds profile 3's K1" "29" "$(e2e_ini_get "$E2E_DIR/existing.ini" Config7 K1)"

e2e_click $main profile1
e2e_click $main import_config  # Import the file of profile 2
e2e_expect_eq "the import dialog's file type" "All Files(*.ini)" "$(e2e_file_dialog_filter open)"
e2e_file_dialog open "$E2E_DIR/exported.ini"
e2e_click $main save  # Save: profile 1 now holds the imported values
imported() { [ "$(e2e_section "$ini" Config1)" = "$(e2e_section "$ini" Config2)" ]; }
e2e_eventually 5 imported
e2e_expect_eq "all 22 values round-trip" "$(e2e_section "$ini" Config2)" "$(e2e_section "$ini" Config1)"

before=$(md5sum <"$ini")
e2e_click $main import_config  # Import, cancelled
e2e_cancel_file_dialog open
e2e_click $main export_config  # Export, cancelled
e2e_cancel_file_dialog save
e2e_click $main save
e2e_input_handled $main
e2e_expect_eq "cancelled dialogs changed nothing" "$before" "$(md5sum <"$ini")"
e2e_screenshot exchange-after
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_finish
