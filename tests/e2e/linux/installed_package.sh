#!/usr/bin/env bash
# The .deb installed as on a user's machine (dpkg -i, missing dependencies
# from apt), then the installed vx230 started with no mouse in a fresh home:
# the plug-in message in both languages, the program ending when it is
# closed, and the user's tree filled with links into /usr/share/vx230;
# /usr/bin/vx230ctl, which finds no program running. A
# package this test installed is removed again at the end.
# Usage: installed_package.sh BUILD_DIR   (root only: exits 77, skipped, otherwise)
set -uo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing the .deb needs root (CI runs as root)"
  exit 77
fi
build=$(realpath "$1")
root=$(cd "$(dirname "$0")/../../.." && pwd)
deb=$(ls "$build"/vx230_*_amd64.deb 2>/dev/null | head -1)
if [ -z "$deb" ]; then
  (cd "$build" && cpack -G DEB >cpack.log 2>&1) || { echo "FAIL: cpack"; exit 1; }
  deb=$(ls "$build"/vx230_*_amd64.deb | head -1)
fi
before=$(dpkg-query -W -f='${Status}' vx230 2>/dev/null)
failed=0
fail() { echo "FAIL: $*"; failed=1; }
if ! dpkg -i "$deb" >"$build/dpkg-install.log" 2>&1; then
  DEBIAN_FRONTEND=noninteractive apt-get -f install -y >>"$build/dpkg-install.log" 2>&1 || fail "apt-get -f install"
fi
[ "$(dpkg-query -W -f='${Status}' vx230 2>/dev/null)" = "install ok installed" ] || fail "the package is not installed"
echo "installed: $(dpkg-query -W -f='${Package} ${Version}' vx230 2>/dev/null)"
[ -x /usr/bin/vx230 ] || fail "/usr/bin/vx230 is missing"
# The package's version is the program's with the Debian revision after it.
packaged=$(dpkg-query -W -f='${Version}' vx230 2>/dev/null)
[ "$(/usr/bin/vx230ctl --version 2>/dev/null)" = "vx230ctl ${packaged%-*}" ] ||
  fail "/usr/bin/vx230ctl --version"
mkdir -p "$build/no-session" && XDG_RUNTIME_DIR=$build/no-session /usr/bin/vx230ctl status >/dev/null 2>&1
[ "$?" -eq 2 ] || fail "the installed vx230ctl, no program running: not exit 2"

if [ "$failed" -eq 0 ]; then
  VX_LINUX_PROGRAM=/usr/bin/vx230 "$root/tests/e2e/run_e2e.sh" --linux no_mouse_en no_mouse_cn || failed=1
  tree=$root/build/e2e-linux/no_mouse_en/vx230
  for part in skins help constMacro.dat; do
    [ "$(readlink "$tree/$part")" = "/usr/share/vx230/$part" ] || fail "$part is no link into /usr/share/vx230"
  done
  [ -f "$tree/config.ini" ] && [ ! -L "$tree/config.ini" ] || fail "config.ini is not the user's own copy"
fi

if [ "$before" != "install ok installed" ]; then
  dpkg -r vx230 >>"$build/dpkg-install.log" 2>&1 || fail "dpkg -r"
fi
[ "$failed" -eq 0 ] && echo "the installed program runs"
exit "$failed"
