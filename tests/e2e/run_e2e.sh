#!/usr/bin/env bash
# Runs every tests/e2e/scenario_*.sh against the Windows program under Wine
# inside one virtual display; with --linux, the scenarios that say
# "# Platforms: ... linux" against the native Linux program instead. Prints
# one line per scenario, then "N passed, M failed"; exits non-zero when any
# scenario failed.
# Logs: build/e2e/<scenario>.log (natively build/e2e-linux/); screenshots:
# the same folder, *.png.
# Usage: run_e2e.sh [--linux] [scenario name...]   (default: every scenario)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = --linux ]; then
  export VX_E2E_PLATFORM=linux
  shift
fi
if [ "${1:-}" != "--inside-display" ]; then
  source "$here/lib.sh"
  e2e_prepare_prefix
  exec xvfb-run -a -s '-screen 0 1280x800x24' "$here/run_e2e.sh" --inside-display "$@"
fi
shift

source "$here/lib.sh"
mkdir -p "$E2E_OUT"
passed=0
failed=0
scenarios=()
if [ $# -eq 0 ]; then
  for scenario in "$here"/scenario_*.sh; do
    if [ "$E2E_PLATFORM" = wine ] || grep -qE '^# Platforms:.*\blinux\b' "$scenario"; then
      scenarios+=("$scenario")
    fi
  done
else
  for name in "$@"; do scenarios+=("$here/scenario_$name.sh"); done
fi
for scenario in "${scenarios[@]}"; do
  name=$(basename "$scenario" .sh)
  name=${name#scenario_}
  log=$E2E_OUT/$name.log
  if timeout 180 bash "$scenario" >"$log" 2>&1; then
    echo "PASS $name"
    passed=$((passed + 1))
  else
    echo "FAIL $name (log: $log)"
    grep -F 'FAIL:' "$log" | sed 's/^/    /'
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
