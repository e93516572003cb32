#!/usr/bin/env bash
# Stray command-line arguments are ignored (and put on record), never taken
# for --tray; malformed simmouse.cmd lines do nothing but leave one DIAG line
# each that names the problem without the line's raw bytes, and the mouse
# still takes the commands after them.
source "$(dirname "$0")/lib.sh"
e2e_begin hostile_commands dist-sim
log=$E2E_DIR/simmouse.log
long_arg=$(printf 'y%.0s' $(seq 1 300))
e2e_start --diagnostics --trayX "two words" /tray "$long_arg"
if ! e2e_wait_window "$E2E_TITLE" 30 || ! e2e_wait_reports 1 13 15; then
  e2e_fail "the program did not start up with stray arguments"
  e2e_finish
fi
e2e_log "ok: started with stray arguments, window shown (--trayX is not --tray)"
for shown in '"--trayX"' '"two words"' '"/tray"' "\"${long_arg:0:40}\" (cut, 300 bytes)"; do
  e2e_expect "diagnostics.log: argument ignored: $shown" \
    grep -qF "argument ignored: $shown" "$E2E_DIR/diagnostics.log"
done

# The simulated mouse's log stands (the start-up reports are in it), so
# every line added to simmouse.cmd from now on is read.
from=$(($(wc -l <"$log") + 1))
# Each line and the problem its DIAG line must name.
cases=(
  'press|press takes one button number 1..6'
  'press 99|press: button "99" is not 1..6'
  'input zz|input: "zz" is not a hex byte'
  'release 1 2 3|release takes one button number 1..6'
  'jump 3|unknown command "jump"'
)
for c in "${cases[@]}"; do printf '%s\n' "${c%%|*}"; done >>"$E2E_DIR/simmouse.cmd"
printf 'press %05000d\n' 1 >>"$E2E_DIR/simmouse.cmd"
printf 'press \001\376\377\000 4\r\n' >>"$E2E_DIR/simmouse.cmd"
echo 'input 06 F0 00' >>"$E2E_DIR/simmouse.cmd"
e2e_eventually 5 grep -q ' IN 06 F0 00 ' "$log" || e2e_fail "the command after the malformed lines did not run"

diags=$(tail -n +"$from" "$log" | awk '$2 == "DIAG" { $1 = ""; $2 = ""; sub(/^  /, ""); print }')
e2e_expect_eq "one DIAG line per malformed line" 7 "$(grep -c 'ignored' <<<"$diags")"
for c in "${cases[@]}"; do
  e2e_expect "named: ${c#*|}" grep -qF -- "${c#*|}" <<<"$diags"
done
e2e_expect "the long line is named by its length" grep -qF 'a line of 5006 bytes, longer than 1024' <<<"$diags"
e2e_expect "the binary line is named, not copied" grep -qF 'a line of 12 bytes that are not plain text' <<<"$diags"
e2e_expect "simmouse.log holds only printable ASCII" eval "! LC_ALL=C grep -q '[^ -~]' '$log'"
e2e_expect "no reports for the malformed lines" \
  eval "[ \"\$(tail -n +$from '$log' | awk '\$2 != \"DIAG\"' | wc -l)\" = 1 ]"

echo unplug >>"$E2E_DIR/simmouse.cmd"
if e2e_wait_exit "$E2E_LAST_PID" 15; then
  e2e_expect_eq "the program ended normally" "0" "$E2E_EXIT_CODE"
else
  e2e_fail "the program did not end on unplug"
fi
e2e_finish
