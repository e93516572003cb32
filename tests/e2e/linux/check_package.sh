#!/usr/bin/env bash
# The .deb of the Linux program: made by cpack in the build folder, it holds
# the program and vx230ctl, the read-only data, the menu entry and icon, the autostart
# entry and the udev rule with exactly its one line.
# Usage: check_package.sh BUILD_DIR
set -uo pipefail
build=$1
cd "$build" || exit 1
rm -f vx230_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; echo "FAIL: cpack"; exit 1; }
deb=$(ls vx230_*_amd64.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "FAIL: no .deb"; exit 1; }
files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
failed=0
for path in ./usr/bin/vx230 ./usr/bin/vx230ctl ./usr/share/vx230/config.ini ./usr/share/vx230/Macro_EN.dat ./usr/share/vx230/Macro_CN.dat \
  ./usr/share/vx230/constMacro.dat ./usr/share/vx230/skins/INI_EN/skin_main_en.ini ./usr/share/vx230/help/index.html \
  ./usr/share/applications/vx230.desktop ./usr/share/icons/hicolor/48x48/apps/vx230.png \
  ./usr/share/vx230/autostart/vx230-autostart.desktop ./usr/lib/udev/rules.d/70-vx230.rules; do
  grep -qxF "$path" <<<"$files" || { echo "FAIL: $path missing"; failed=1; }
done
root=$(mktemp -d)
dpkg-deb -x "$deb" "$root"
want='SUBSYSTEM=="hidraw", ATTRS{idVendor}=="18f8", ATTRS{idProduct}=="1286", TAG+="uaccess"'
[ "$(cat "$root/usr/lib/udev/rules.d/70-vx230.rules")" = "$want" ] || { echo "FAIL: the udev rule"; failed=1; }
grep -qx 'Exec=vx230 --tray' "$root/usr/share/vx230/autostart/vx230-autostart.desktop" ||
  { echo "FAIL: the autostart entry"; failed=1; }
rm -rf "$root"
[ "$failed" -eq 0 ] && echo "package: $deb holds everything"
exit "$failed"
