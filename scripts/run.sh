#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine. No VX230 can be seen
# through Wine, so this runs the simulated-mouse build (dist-sim/) unless
# --real is given. Without a display it runs inside a virtual one. Exits
# with the program's exit code.
set -euo pipefail
cd "$(dirname "$0")/.."

tree=dist-sim
[ "${1:-}" = "--real" ] && tree=dist
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
