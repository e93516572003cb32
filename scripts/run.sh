#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine. No VX230 can be seen
# through Wine, so this runs the simulated-mouse build (build/windows/dist-sim/) unless
# --real is given. With --linux it builds and runs the native Linux program
# over the simulated mouse instead (--linux --real: the real HID build).
# Without a display it runs inside a virtual one. Exits with the program's
# exit code.
set -euo pipefail
cd "$(dirname "$0")/.."

linux=0 real=0
for arg in "$@"; do
  case "$arg" in
    --linux) linux=1 ;;
    --real) real=1 ;;
  esac
done

if [ "$linux" = 1 ]; then
  if [ -z "${VX_RUN_PREPARED:-}" ]; then
    scripts/install-deps.sh
    scripts/build.sh linux
  fi
  if [ -z "${DISPLAY:-}" ]; then
    VX_RUN_PREPARED=1 exec xvfb-run -a -s '-screen 0 1280x800x24' "$PWD/scripts/run.sh" "$@"
  fi
  program=build/linux/vx230-sim tree=vx230-sim
  [ "$real" = 1 ] && program=build/linux/vx230 tree=vx230
  echo "Starting $program (user files: ${XDG_CONFIG_HOME:-$HOME/.config}/$tree/; simulated mouse: simmouse.cmd, simmouse.log there)"
  export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-xcb}
  exec "$program"
fi

tree=build/windows/dist-sim
[ "$real" = 1 ] && tree=build/windows/dist
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wineprefix} WINEDEBUG=-all
export LANG=${VX_LANG:-zh_CN.UTF-8}

# VX_RUN_PREPARED marks the second pass inside the virtual display, where
# the build and the prefix are done already.
if [ -z "${VX_RUN_PREPARED:-}" ]; then
  scripts/install-deps.sh
  scripts/build.sh windows
  scripts/wine-prefix.sh
fi
if [ -z "${DISPLAY:-}" ]; then
  # xvfb-run is a /bin/sh script: start this script again under it rather
  # than a shell function, which sh would not pass on.
  VX_RUN_PREPARED=1 exec xvfb-run -a -s '-screen 0 1280x800x24' "$PWD/scripts/run.sh" "$@"
fi

echo "Starting $tree/ZUV_GMouse.exe (commands for the simulated mouse: $tree/simmouse.cmd, log: $tree/simmouse.log)"
status=0
(cd "$tree" && wine ZUV_GMouse.exe) || status=$?
wineserver -w
exit "$status"
