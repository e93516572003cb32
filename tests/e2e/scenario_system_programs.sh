#!/usr/bin/env bash
# The calculator and command-prompt functions start the programs of the
# system folder by their full path; a calc.exe or cmd.exe planted in the
# program's own folder never runs. Wine has its own cmd.exe but no
# calculator: for this run the system folder gets a stand-in calc.exe that
# records where it ran from (removed at the end).
source "$(dirname "$0")/lib.sh"
e2e_begin system_programs dist-sim
standin=$E2E_WIN_BUILD/tools/standin.exe
system32=$WINEPREFIX/drive_c/windows/system32
[ -f "$standin" ] || { e2e_fail "$standin is missing: build the windows preset first"; e2e_finish; }
[ -e "$system32/calc.exe" ] && { e2e_fail "the prefix has a calc.exe of its own: not replacing it"; e2e_finish; }
remove_system_calc() { rm -f "$system32/calc.exe" "$system32/calc.ran"; }
trap 'remove_system_calc; e2e_cleanup' EXIT
cp "$standin" "$system32/calc.exe"
for name in calc cmd; do cp "$standin" "$E2E_DIR/$name.exe"; done  # planted

# Back (device button 4) starts the calculator (39), Forward (device
# button 5) the command prompt (40).
sed -i '/^\[Config1\]/,/^\[/ { s/^K3=.*/K3=39\r/; s/^K4=.*/K4=40\r/ }' "$E2E_DIR/config.ini"
e2e_start_and_wait

# started EXE: the full paths of the running processes named EXE.
started() { e2e_wintext --process "$1" --paths | cut -f2 | sed 's/\\\\/\\/g'; }
calc_up() { [ -n "$(started calc.exe)" ]; }
cmd_up() { [ -n "$(started cmd.exe)" ]; }
# One press at a time: a press while the previous one's action still runs
# is taken as "stop".
printf 'press 4\nrelease 4\n' >>"$E2E_DIR/simmouse.cmd"
e2e_expect "the calculator started" e2e_eventually 10 calc_up
printf 'press 5\nrelease 5\n' >>"$E2E_DIR/simmouse.cmd"
e2e_expect "the command prompt started" e2e_eventually 10 cmd_up
e2e_expect_eq "calc.exe ran from the system folder" 'C:\windows\system32\calc.exe' "$(started calc.exe)"
e2e_expect_eq "cmd.exe ran from the system folder" 'C:\windows\system32\cmd.exe' "$(started cmd.exe)"
e2e_expect_eq "the stand-in recorded the system path" 'C:\windows\system32\calc.exe' \
  "$(tr -d '\r' <"$system32/calc.ran" 2>/dev/null)"
e2e_expect "the planted calc.exe did not run" test ! -e "$E2E_DIR/calc.ran"
e2e_expect "the planted cmd.exe did not run" test ! -e "$E2E_DIR/cmd.ran"
e2e_expect "no start refused" eval "! grep -q 'DIAG program not started' '$E2E_DIR/simmouse.log'"

for exe in calc.exe cmd.exe; do
  e2e_wintext --process $exe --terminate >/dev/null
  e2e_expect_eq "$exe ended" "" "$(started $exe)"
done
e2e_expect "the driver still runs" e2e_is_running "$E2E_LAST_PID"
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_wait_exit "$E2E_LAST_PID" 15 || e2e_fail "the program did not end on unplug"
e2e_expect "no crash" e2e_no_crash
remove_system_calc
e2e_finish
