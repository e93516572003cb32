#!/usr/bin/env bash
# config.ini marked read-only (the Windows attribute, or no write permission
# on the Unix file, which Wine reports as the same attribute): the program
# starts and applies, refuses every save with one "the file is read-only"
# line on record and leaves the file byte for byte as it was; the edit is
# not lost: once the file may be written again, Save writes it.
source "$(dirname "$0")/lib.sh"
e2e_begin readonly_config dist-sim
main=INI_EN/skin_main_en.ini
ini=$E2E_DIR/config.ini
log=$E2E_DIR/simmouse.log
cp "$ini" "$E2E_DIR/config.pristine"
cp "$E2E_DIR/Macro_EN.dat" "$E2E_DIR/Macro_EN.pristine"
win_ini=$(winepath -w "$ini" 2>/dev/null)

for how in attribute permission; do
  e2e_log "--- read-only by $how"
  cp "$E2E_DIR/config.pristine" "$ini"
  if [ $how = attribute ]; then wine attrib +r "$win_ini" >/dev/null 2>&1; else chmod a-w "$ini"; fi
  e2e_expect "Wine sees the read-only attribute" eval "wine cmd /c attrib '$win_ini' 2>/dev/null | grep -q '^A *R '"
  before=$(md5sum <"$ini")
  e2e_start_and_wait
  pid=$E2E_LAST_PID

  e2e_click $main wheel_alternate  # alternate wheel mode
  from=$(($(e2e_log_lines) + 1))
  e2e_click $main apply  # Apply: sent, though the applied copy cannot be kept
  e2e_expect "Apply sent its 13 reports" e2e_wait_reports "$from" 13 10
  # The start-up apply and this one each tried [Init], [Config6], [Config1].
  refusals() { tail -n +"$1" "$log" | grep -c "DIAG settings not written: .*config.ini \[$2\]: the file is read-only"; }
  e2e_expect_eq "refusals of [Init], [Config6] on record" "2 2" "$(refusals 1 Init) $(refusals 1 Config6)"
  saving=$(($(e2e_log_lines) + 1))
  e2e_click $main save
  refused() { [ "$(refusals "$saving" Config1)" = 1 ]; }
  e2e_expect "the refused save is on record once" e2e_eventually 5 refused
  e2e_expect_eq "config.ini is byte for byte as before" "$before" "$(md5sum <"$ini")"
  e2e_expect "no save temporaries left" eval "! ls '$E2E_DIR'/config.ini.*.tmp >/dev/null 2>&1"
  e2e_expect "the program still runs" e2e_is_running "$pid"

  if [ $how = attribute ]; then wine attrib -r "$win_ini" >/dev/null 2>&1; else chmod u+w "$ini"; fi
  e2e_click $main save  # Save again, now that it may
  wheel() { [ "$(e2e_ini_get "$ini" Config1 WHEEL_STATUS)" = 1 ]; }
  e2e_expect "the edit was kept and is saved now" e2e_eventually 5 wheel
  e2e_expect "the macro file is untouched" cmp -s "$E2E_DIR/Macro_EN.dat" "$E2E_DIR/Macro_EN.pristine"
  echo unplug >>"$E2E_DIR/simmouse.cmd"
  e2e_wait_exit "$pid" 15 || e2e_fail "the program did not end on unplug"
  e2e_expect "no crash" e2e_no_crash
done
e2e_finish
