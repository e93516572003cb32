#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine. No VX230 can be seen
# through Wine, so this runs the simulated-mouse build (dist-sim/) unless
# --real is given. Without a display it runs inside a virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh windows

tree=dist-sim
[ "${1:-}" = "--real" ] && tree=dist
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wineprefix} WINEDEBUG=-all
export LANG=${VX_LANG:-zh_CN.UTF-8}
scripts/wine-prefix.sh

run() { (cd "$tree" && wine ZUV_GMouse.exe); wineserver -w; }
echo "Starting $tree/ZUV_GMouse.exe (commands for the simulated mouse: $tree/simmouse.cmd, log: $tree/simmouse.log)"
if [ -n "${DISPLAY:-}" ]; then
  run
else
  export -f run; export tree
  xvfb-run -a -s '-screen 0 1280x800x24' bash -c run
fi
