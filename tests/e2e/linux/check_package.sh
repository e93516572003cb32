#!/usr/bin/env bash
# The .deb of the Linux program: made by cpack in the build folder, it holds
# the program and vx230ctl and their manual pages, the read-only data, the menu entry and
# its icons, the udev rule with exactly its one line, the copyright file
# with the licence, the changelog, and the maintainer scripts that apply the
# rule; it recommends what the GNOME pointer speed needs.
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
  ./usr/share/applications/vx230.desktop ./usr/lib/udev/rules.d/70-vx230.rules \
  ./usr/share/man/man1/vx230.1.gz ./usr/share/doc/vx230/copyright ./usr/share/doc/vx230/changelog.Debian.gz \
  ./usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/vx230.png; do
  grep -qxF "$path" <<<"$files" || { echo "FAIL: $path missing"; failed=1; }
done
root=$(mktemp -d)
dpkg-deb -x "$deb" "$root"
want='SUBSYSTEM=="hidraw", ATTRS{idVendor}=="18f8", ATTRS{idProduct}=="1286", TAG+="uaccess"'
[ "$(cat "$root/usr/lib/udev/rules.d/70-vx230.rules")" = "$want" ] || { echo "FAIL: the udev rule"; failed=1; }
grep -qF "$(sed -n 's/^Copyright (c) //p' "$(dirname "$0")/../../../LICENSE")" "$root/usr/share/doc/vx230/copyright" ||
  { echo "FAIL: the copyright file lacks the licence's holder"; failed=1; }
grep -q '^License: Expat' "$root/usr/share/doc/vx230/copyright" || { echo "FAIL: the copyright file's licence"; failed=1; }
grep -q '^Keywords=' "$root/usr/share/applications/vx230.desktop" || { echo "FAIL: no Keywords in the menu entry"; failed=1; }
grep -q '^Comment\[zh_CN\]=' "$root/usr/share/applications/vx230.desktop" ||
  { echo "FAIL: no Chinese Comment in the menu entry"; failed=1; }
[ -z "$(find "$root" -path '*autostart*')" ] || { echo "FAIL: an autostart entry in the package"; failed=1; }
control=$(mktemp -d)
dpkg-deb -e "$deb" "$control"
for script in postinst postrm; do
  [ -x "$control/$script" ] && grep -q 'udevadm trigger --subsystem-match=hidraw' "$control/$script" ||
    { echo "FAIL: $script does not apply the udev rule"; failed=1; }
done
grep -q '^Recommends:.*libglib2.0-bin.*gsettings-desktop-schemas' "$control/control" ||
  { echo "FAIL: no Recommends for gsettings and its schemas"; failed=1; }
grep -q '^Maintainer:.*localhost' "$control/control" && { echo "FAIL: a maintainer at localhost"; failed=1; }
rm -rf "$control"
rm -rf "$root"
[ "$failed" -eq 0 ] && echo "package: $deb holds everything"
exit "$failed"
