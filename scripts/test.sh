#!/usr/bin/env bash
# Builds every target and runs every test: the unit tests natively, under
# the address/undefined and thread sanitizers, the Windows profile tests and
# the end-to-end scenarios of the Windows program under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh || exit 1

passed=0
failed=0
count_ctest() {  # reads ctest's summary line from a log
  local line total fails
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -1)
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  fails=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
  if [ -z "$line" ]; then failed=$((failed + 1)); return; fi
  passed=$((passed + total - fails)); failed=$((failed + fails))
}
count_plain() {  # reads an "N passed, M failed" line from a log
  local line
  line=$(grep -E '^[A-Za-z]*:? ?[0-9]+ passed, [0-9]+ failed' "$1" | tail -1)
  if [ -z "$line" ]; then failed=$((failed + 1)); return; fi
  passed=$((passed + $(sed -E 's/^[^0-9]*([0-9]+) passed.*/\1/' <<<"$line")))
  failed=$((failed + $(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")))
}

mkdir -p build/logs
for preset in native asan tsan; do
  echo "== unit tests ($preset)"
  if scripts/build.sh "$preset" > "build/logs/build-$preset.log" 2>&1; then
    ctest --preset "$preset" -j"$(nproc)" 2>&1 | tee "build/logs/test-$preset.log" | tail -3
    count_ctest "build/logs/test-$preset.log"
  else
    tail -30 "build/logs/build-$preset.log"; echo "build failed: $preset"; failed=$((failed + 1))
  fi
done

echo "== benchmarks build (native) and Windows program"
if scripts/build.sh windows > build/logs/build-windows.log 2>&1; then
  for t in tests/e2e/run_windows_unit_tests.sh tests/e2e/run_e2e.sh; do
    [ -x "$t" ] || continue
    echo "== $t"
    "$t" 2>&1 | tee "build/logs/$(basename "$t" .sh).log" | tail -5
    count_plain "build/logs/$(basename "$t" .sh).log"
  done
else
  tail -30 build/logs/build-windows.log; echo "build failed: windows"; failed=$((failed + 1))
fi

echo
echo "Total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
