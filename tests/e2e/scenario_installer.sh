#!/usr/bin/env bash
# A silent install (/S) on a machine without the program: the files in
# %LOCALAPPDATA%\Programs\VX230-test (the test build's own folder), the
# Start-menu shortcut, the Apps & Features entry (publisher, guide, date)
# and the start-with-Windows entry (with --tray). The program started
# from the shortcut sends its start-up reports. A silent uninstall removes
# the program, the shortcut and both entries and keeps the user's settings
# and macros. Runs the installer built over the simulated-mouse program: the
# same installer script, so the program can start without a real mouse.
source "$(dirname "$0")/lib.sh"
e2e_begin installer dist-sim
setup=$(e2e_installer)
[ -n "$setup" ] || { e2e_fail "no installer in $E2E_WIN_BUILD/release-sim: build the windows preset"; e2e_finish; }
tree=${setup%-setup.exe}
e2e_fresh_prefix

e2e_run_setup "$setup" /S
inst=$(e2e_windows_folder LOCALAPPDATA)/Programs/$E2E_INSTALL_NAME
winst=$(winepath -w "$inst" 2>/dev/null)
for f in ZUV_GMouse.exe vx230ctl.exe Uninstall.exe config.ini Macro_EN.dat Macro_CN.dat constMacro.dat help/index.html; do
  e2e_expect "installed: $f" test -f "$inst/$f"
done
e2e_expect_eq "the install folder is the release tree and the uninstaller" "Only in $inst: Uninstall.exe" \
  "$(LC_ALL=C diff -rq "$tree" "$inst" 2>&1)"
link="$(e2e_windows_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/$E2E_PRODUCT.lnk"
e2e_expect "Start-menu shortcut" test -f "$link"
e2e_expect_eq "Apps & Features: name, a test build" "$E2E_PRODUCT" "$(e2e_reg_value "$E2E_UNINSTALL_KEY" DisplayName)"
e2e_expect_eq "Apps & Features: version, a test build" "$(sed -E 's/.*-([0-9.]+)$/\1/' <<<"$tree") (test build)" \
  "$(e2e_reg_value "$E2E_UNINSTALL_KEY" DisplayVersion)"
e2e_expect_eq "Apps & Features: publisher, the licence's holder" "the VX230 companion program authors" \
  "$(e2e_reg_value "$E2E_UNINSTALL_KEY" Publisher)"
e2e_expect_eq "Apps & Features: help link, the installed guide" "$winst\help\index.html" \
  "$(e2e_reg_value "$E2E_UNINSTALL_KEY" HelpLink)"
e2e_expect_eq "Apps & Features: about link, the installed guide" "$winst\help\index.html" \
  "$(e2e_reg_value "$E2E_UNINSTALL_KEY" URLInfoAbout)"
e2e_expect_eq "Apps & Features: install date, today" "$(date +%Y%m%d)" "$(e2e_reg_value "$E2E_UNINSTALL_KEY" InstallDate)"
e2e_expect_eq "Apps & Features: uninstaller" "\"$winst\\Uninstall.exe\"" \
  "$(e2e_reg_value "$E2E_UNINSTALL_KEY" UninstallString)"
e2e_expect_eq "Apps & Features: folder" "$winst" "$(e2e_reg_value "$E2E_UNINSTALL_KEY" InstallLocation)"
e2e_expect_eq "start with Windows, in the tray" "\"$winst\\ZUV_GMouse.exe\" --tray" \
  "$(e2e_reg_value "$E2E_RUN_KEY" "$E2E_INSTALL_NAME")"

# The program, started through the shortcut, works in its install folder.
E2E_DIR=$inst
(wine start /wait "$(winepath -w "$link")" >/dev/null 2>&1) &
E2E_PIDS+=("$!")
pid=$!
if e2e_wait_window "$E2E_TITLE" 30 && e2e_wait_reports 1 13 15; then
  e2e_log "ok: the installed program started and sent its 13 start-up reports"
  e2e_expect_eq "the installed vx230ctl.exe reaches it" "profile=1" \
    "$( (cd "$inst" && wine vx230ctl.exe status 2>/dev/null) | tr -d '\r' | grep '^profile=')"
else
  e2e_fail "the installed program did not start up"
fi
echo unplug >>"$inst/simmouse.cmd"
e2e_wait_exit "$pid" 15 || e2e_fail "the installed program did not end on unplug"
timeout 30 wineserver -w
sha_before=$(cd "$inst" && sha256sum config.ini Macro_EN.dat Macro_CN.dat)

e2e_expect "the simulated mouse wrote its files" test -f "$inst/simmouse.log" -a -f "$inst/simmouse.cmd"
e2e_run_setup "$inst/Uninstall.exe" /S
e2e_expect "the program is removed" test ! -e "$inst/ZUV_GMouse.exe"
e2e_expect "vx230ctl.exe is removed" test ! -e "$inst/vx230ctl.exe"
e2e_expect "the licence and the notices are removed" test ! -e "$inst/LICENSE.txt" -a ! -e "$inst/THIRD-PARTY-NOTICES.txt"
e2e_expect "the simulated mouse's files are removed" test ! -e "$inst/simmouse.log" -a ! -e "$inst/simmouse.cmd"
e2e_expect "the uninstaller is removed" test ! -e "$inst/Uninstall.exe"
e2e_expect "skins and user guide are removed" test ! -e "$inst/skins" -a ! -e "$inst/help"
e2e_expect_eq "settings and macros kept byte for byte" "$sha_before" \
  "$(cd "$inst" 2>/dev/null && sha256sum config.ini Macro_EN.dat Macro_CN.dat)"
e2e_expect "the shortcut is removed" test ! -e "$link"
e2e_expect_eq "the Apps & Features entry is removed" "" "$(e2e_reg_value "$E2E_UNINSTALL_KEY" DisplayName)"
e2e_expect_eq "the start-with-Windows entry is removed" "" "$(e2e_reg_value "$E2E_RUN_KEY" "$E2E_INSTALL_NAME")"
e2e_drop_fresh_prefix
e2e_finish
