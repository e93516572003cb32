#!/usr/bin/env bash
# Runs the Windows test programs under Wine and fails when any test fails.
# Usage: run_windows_unit_tests.sh [build dir] [extra gtest arguments...]
# The build dir defaults to build/windows (cmake --preset windows, target
# profile_tests). WINEPREFIX comes from VX_WINEPREFIX, else build/wineprefix.
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
build_dir="${1:-$root/build/windows}"
shift || true

export WINEPREFIX="${VX_WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG=-all

programs=("$build_dir/tests/profile_tests.exe")
for program in "${programs[@]}"; do
    if [[ ! -f "$program" ]]; then
        echo "missing $program: build it with cmake --build <windows build dir> --target profile_tests" >&2
        exit 2
    fi
done

if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi

status=0
for program in "${programs[@]}"; do
    echo "== $(basename "$program")"
    # Wine passes the Windows exit code through; gtest returns 1 on failure.
    if ! wine "$program" --gtest_color=no "$@"; then
        status=1
    fi
done
wineserver -w || true
exit "$status"
