#!/usr/bin/env bash
# Builds every target and runs every test: the unit tests natively, under
# the address/undefined and thread sanitizers, the fuzz targets for a bounded
# time and the crash trials of the settings writer, the Windows profile tests
# and the end-to-end scenarios of the Windows program under Wine, and the
# native Linux program with its end-to-end check under Xvfb.
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

count_gtest() {  # adds up GoogleTest summaries ("[  PASSED  ] N tests.") of a log
  local p f
  p=$(grep -E '^\[  PASSED  \] [0-9]+ tests?' "$1" | sed -E 's/[^0-9]*([0-9]+).*/\1/' | awk '{ s += $1 } END { if (NR) print s }')
  f=$(grep -E '^\[  FAILED  \] [0-9]+ tests?,' "$1" | sed -E 's/[^0-9]*([0-9]+).*/\1/' | awk '{ s += $1 } END { if (NR) print s }')
  passed=$((passed + ${p:-0})); failed=$((failed + ${f:-0}))
  if [ -z "$p" ] && [ -z "$f" ]; then failed=$((failed + 1)); fi
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

echo "== Linux program (Qt 6, hidapi) and its end-to-end check under Xvfb"
if scripts/build.sh linux > build/logs/build-linux.log 2>&1; then
  ctest --preset linux 2>&1 | tee build/logs/test-linux.log | tail -3
  count_ctest build/logs/test-linux.log
else
  tail -30 build/logs/build-linux.log; echo "build failed: linux"; failed=$((failed + 1))
fi

echo "== fuzz targets (12000 runs from a fixed seed, 40 s at most each) and crash trials (200 per encoding)"
scripts/fuzz.sh 40 200 12000 2>&1 | tee build/logs/fuzz.log | tail -8
count_plain build/logs/fuzz.log

# The windows preset also builds the release files (build/windows/release/:
# the installer and the portable zip; release-sim/: the same installer over
# the simulated mouse), which the end-to-end scenarios install and read back.
echo "== benchmarks build (native), Windows program, installer and release zip"
if scripts/build.sh windows > build/logs/build-windows.log 2>&1; then
  echo "== profile behaviour under Wine"
  tests/e2e/run_windows_unit_tests.sh > build/logs/windows-unit.log 2>&1
  grep -E '^\[  (PASSED|FAILED)  \]' build/logs/windows-unit.log
  count_gtest build/logs/windows-unit.log
  echo "== end-to-end under Wine"
  tests/e2e/run_e2e.sh 2>&1 | tee build/logs/e2e.log | tail -12
  count_plain build/logs/e2e.log
else
  tail -30 build/logs/build-windows.log; echo "build failed: windows"; failed=$((failed + 1))
fi
echo "Release files:"; ls build/windows/release/*-setup.exe build/windows/release/*.zip 2>/dev/null

echo
echo "Total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
