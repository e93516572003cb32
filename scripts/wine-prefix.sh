#!/usr/bin/env bash
# Creates the Wine prefix once: no window manager needed, Chinese text shown.
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:?} WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
fi
