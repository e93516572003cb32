#!/usr/bin/env bash
# Fails when a system's own words leave its backend: Windows message,
# command and key names (WM_, SC_, VK_, wParam) and Windows headers outside
# platform/win32/ (and the Windows-only files of the simulated mouse,
# platform/sim/*_win32.cpp), Qt's headers and names outside platform/qt/. The rest of
# the program speaks its own terms (platform/input_events.h,
# platform/system_events.h); key numbers are data there, never named.
set -uo pipefail
src=${1:-$(dirname "$0")/../src}
cd "$src" || exit 2

bad=0
report() {  # pattern, backend folder, what
  local hits
  hits=$(grep -rnE --include='*.h' --include='*.cpp' "$1" . | grep -v "^\./platform/$2/" |
    grep -vE "^\./platform/sim/[a-z_]+_$2\.cpp:")
  if [ -n "$hits" ]; then
    echo "$3 outside platform/$2/:"
    echo "$hits"
    bad=1
  fi
}
report '\b(WM|SC|VK)_[A-Z0-9_]+|\bwParam\b|#include <windows\.h>|windows_api\.h' win32 "Windows words"
report '#include <Q|\bQt::|\bQ(Widget|String|Object|Event)\b' qt "Qt words"
[ "$bad" -eq 0 ] && echo "no system words outside their backends"
exit "$bad"
