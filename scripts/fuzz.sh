#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz") and runs each one for a bounded
# time from its seed corpus, then the crash trials of the settings writer.
# Usage: scripts/fuzz.sh [seconds per target] [crash trials per encoding] [runs]
#   CI (scripts/test.sh): scripts/fuzz.sh 40 200 12000
#   campaign (default):   scripts/fuzz.sh 600 1000
# With [runs], each target makes that many runs from a fixed seed (and stops
# at the time limit at the latest), so a CI result can be reproduced; the
# campaign explores with a fresh seed for the whole time.
# Prints executions per second per target and ends with
# "Fuzz: N passed, M failed" (each target and each crash-trial encoding).
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
trials=${2:-1000}
runs=${3:-}
limits=(-max_total_time="$seconds")
[ -n "$runs" ] && limits+=(-seed=1 -runs="$runs")
mkdir -p build/logs
passed=0
failed=0

if ! { cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j2; } > build/logs/build-fuzz.log 2>&1; then
  tail -30 build/logs/build-fuzz.log; echo "build failed: fuzz"
  echo "Fuzz: 0 passed, 1 failed"; exit 1
fi

for target in control_line_fuzz hid_descriptor_fuzz ini_profile_fuzz layout_fuzz listener_player_fuzz macro_file_fuzz; do
  # New inputs go to a scratch corpus; the seeds in the repository stay as they are.
  work=build/fuzz/corpus-$target
  mkdir -p "$work"
  log=build/logs/fuzz-$target.log
  if build/fuzz/fuzz/$target "${limits[@]}" -print_final_stats=1 -rss_limit_mb=2048 \
      -artifact_prefix=build/fuzz/crash-$target- "$work" fuzz/corpus/$target > "$log" 2>&1; then
    passed=$((passed + 1)); verdict=passed
  else
    failed=$((failed + 1)); verdict=FAILED
    grep -E 'property failed|ERROR|SUMMARY|Test unit written' "$log" | head -5
  fi
  executed=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$log" | tail -1)
  rate=$(sed -nE 's/.*exec\/s: ([0-9]+).*/\1/p' "$log" | tail -1)
  # libFuzzer divides by whole seconds: a run shorter than one says 0.
  if [ "${rate:-}" = 0 ] && grep -qE '^Done [0-9]+ runs in 0 second' "$log"; then rate="over ${executed:-?}"; fi
  printf '%-22s %s: %s runs (at most %ss), %s exec/s\n' "$target" "$verdict" "${executed:-?}" "$seconds" "${rate:-?}"
done

echo "== crash trials ($trials per encoding)"
if scripts/build.sh native > build/logs/build-crash-trials.log 2>&1; then
  build/native/tests/crash_trials "$trials" 2>&1 | tee build/logs/crash-trials.log | grep -v '^Crash trials:'
  line=$(grep -E '^Crash trials: [0-9]+ passed, [0-9]+ failed' build/logs/crash-trials.log | tail -1)
  if [ -n "$line" ]; then
    passed=$((passed + $(sed -E 's/^[^0-9]*([0-9]+) passed.*/\1/' <<<"$line")))
    failed=$((failed + $(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")))
  else
    failed=$((failed + 1))
  fi
else
  tail -30 build/logs/build-crash-trials.log; echo "build failed: crash trials"; failed=$((failed + 1))
fi

echo "Fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
