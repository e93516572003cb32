#!/usr/bin/env bash
# Installing over an earlier install replaces the program and keeps the
# user's config.ini and macro files byte for byte; a factory section the
# user's config.ini lacks is added at its end, after the user's bytes, which
# stay as they were; a running program is
# ended through its own exit first and started again afterwards (--tray); /NOAUTOSTART drops the start-with-Windows
# entry. A silent uninstall with /REMOVEDATA removes the settings and macros
# too, and with them the folder. (Installer over the simulated-mouse program.)
source "$(dirname "$0")/lib.sh"
e2e_begin installer_upgrade dist-sim
setup=$(e2e_installer)
[ -n "$setup" ] || { e2e_fail "no installer in $E2E_WIN_BUILD/release-sim: build the windows preset"; e2e_finish; }
tree=${setup%-setup.exe}
e2e_fresh_prefix
e2e_run_setup "$setup" /S
inst=$(e2e_windows_folder LOCALAPPDATA)/Programs/$E2E_INSTALL_NAME
[ -f "$inst/ZUV_GMouse.exe" ] || { e2e_fail "the first install failed"; e2e_finish; }

# The user's changes, and an older program in place.
e2e_ini_set "$inst/config.ini" Config1 DPI_SET0 7
e2e_ini_set "$inst/config.ini" Config2 LED_STATUS 3
e2e_ini_set "$inst/config.ini" Init CurConfig 2
printf '\x01\x02\x03\x04' | dd of="$inst/Macro_EN.dat" bs=1 seek=100 conv=notrunc status=none
echo 'an older program' >"$inst/ZUV_GMouse.exe"
rm -rf "$inst/skins/INI_CN"
user_files="config.ini Macro_EN.dat Macro_CN.dat"
sha_user=$(cd "$inst" && sha256sum $user_files)
for file in config.ini Macro_EN.dat; do
  e2e_expect "the test changed $file" eval "! cmp -s '$tree/$file' '$inst/$file'"
done

e2e_run_setup "$setup" /S
e2e_expect_eq "config.ini and the macro files kept byte for byte" "$sha_user" "$(cd "$inst" && sha256sum $user_files)"
e2e_expect "the program is replaced" cmp -s "$tree/ZUV_GMouse.exe" "$inst/ZUV_GMouse.exe"
e2e_expect "missing skin files are back" diff -rq "$tree/skins" "$inst/skins"
e2e_expect "start with Windows still there" test -n "$(e2e_reg_value "$E2E_RUN_KEY" "$E2E_INSTALL_NAME")"

# A factory section missing from the user's file (as after an upgrade that
# brings new ones) is added after the user's bytes.
python3 "$E2E_ROOT/tests/e2e/vxfiles.py" ini-drop-section "$inst/config.ini" CfgReset4
e2e_expect_eq "the test removed [CfgReset4]" "" "$(e2e_section "$inst/config.ini" CfgReset4)"
user_copy=$E2E_OUT/$E2E_NAME/user-config.ini
cp "$inst/config.ini" "$user_copy"
e2e_run_setup "$setup" /S
size=$(stat -c %s "$user_copy")
e2e_expect "the user's bytes are kept as they were" cmp -s -n "$size" "$user_copy" "$inst/config.ini"
e2e_expect_eq "[CfgReset4] is added as the factory's" "$(e2e_section "$tree/config.ini" CfgReset4)" \
  "$(e2e_section "$inst/config.ini" CfgReset4)"
e2e_expect_eq "only [CfgReset4] is added" "[CfgReset4]" \
  "$(tail -c +$((size + 1)) "$inst/config.ini" | tr -d '\r' | grep '^\[')"
e2e_expect_eq "the user's DPI step is kept" "7" "$(e2e_ini_get "$inst/config.ini" Config1 DPI_SET0)"

# Over a running program, without the start-with-Windows entry: the old
# driver ends through its exit, the new one starts again hidden, as at
# sign-in, and configures the mouse (the installer does not wait for it).
E2E_DIR=$inst
e2e_start_and_wait
pid=$E2E_LAST_PID
timeout 120 wine "$setup" /S /NOAUTOSTART >/dev/null 2>&1
if e2e_wait_exit "$pid" 5; then
  e2e_expect_eq "the running program ended through its exit" "0" "$E2E_EXIT_CODE"
else
  e2e_fail "the running program was not ended"
fi
restarted=0
for _ in $(seq 1 100); do
  # The new driver's log starts afresh: its start-up reports and no exit.
  if [ "$(e2e_window_count "$E2E_TITLE")" = 1 ] && [ "$(e2e_reports_from 1 | wc -l)" -ge 13 ] &&
    ! e2e_reports_from 1 | grep -q '^07 20'; then
    restarted=1
    break
  fi
  sleep 0.2
done
e2e_expect_eq "the upgrade started the driver again and it sent its 13 start-up reports" 1 "$restarted"
e2e_expect_eq "the restarted driver shows no window (--tray)" 0 "$(e2e_visible_window_count "$E2E_TITLE")"
echo unplug >>"$inst/simmouse.cmd"
for _ in $(seq 1 75); do
  [ "$(e2e_window_count "$E2E_TITLE")" = 0 ] && break
  sleep 0.2
done
e2e_expect_eq "the restarted driver ended on unplug" 0 "$(e2e_window_count "$E2E_TITLE")"
timeout 30 wineserver -w
e2e_expect_eq "the user's DPI step is still there" "7" "$(e2e_ini_get "$inst/config.ini" Config1 DPI_SET0)"
e2e_expect "the program is in place" cmp -s "$tree/ZUV_GMouse.exe" "$inst/ZUV_GMouse.exe"
e2e_expect_eq "no start-with-Windows entry after /NOAUTOSTART" "" "$(e2e_reg_value "$E2E_RUN_KEY" "$E2E_INSTALL_NAME")"
e2e_expect "the Apps & Features entry stays" test -n "$(e2e_reg_value "$E2E_UNINSTALL_KEY" DisplayName)"

# The simulated mouse's files and Wine's logs of this test are not the
# program's: take them away so the folder can go.
rm -f "$inst"/simmouse.* "$inst"/wine-*.log
e2e_run_setup "$inst/Uninstall.exe" /S /REMOVEDATA
e2e_expect "the install folder is gone" test ! -e "$inst"
e2e_expect_eq "the Apps & Features entry is removed" "" "$(e2e_reg_value "$E2E_UNINSTALL_KEY" DisplayName)"
E2E_DIR=$E2E_OUT/$E2E_NAME
e2e_drop_fresh_prefix
e2e_finish
