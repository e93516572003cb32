#!/usr/bin/env bash
# Start to window: from the start command to the program's window shown on
# the X display, medians of RUNS starts. Under Wine (the Wine server kept
# running, so no start pays for the server) the simulated ZUV_GMouse.exe
# against tools/plainwindow.exe, a trivial Win32 window started the same
# way; natively build/linux/vx230-sim. Each program start also writes its
# start-up trace (--diagnostics) into diagnostics.log; the last run's trace
# is printed.
# Usage: scripts/startup_timing.sh [RUNS (10)] [wine|linux|both (both)]
# Another build: VX_SIM_TREE (dist-sim), VX_WIN_BUILD_DIR, VX_LINUX_BUILD_DIR
# as for scripts/idle_footprint.sh. Runs in its own Xvfb; not in CI.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if [ "${1:-}" != --inside-display ]; then
  source tests/e2e/lib.sh
  e2e_prepare_prefix
  exec xvfb-run -a -s '-screen 0 1280x800x24' bash "$0" --inside-display "$@"
fi
shift
runs=${1:-10}
which=${2:-both}
out=$root/build/startup-timing
rm -rf "$out"
mkdir -p "$out"
export WINEPREFIX=${VX_WINEPREFIX:-$root/build/wineprefix} WINEDEBUG=-all LANG=zh_CN.UTF-8 QT_QPA_PLATFORM=xcb
win_build=${VX_WIN_BUILD_DIR:-$root/build/windows}
sim_tree=${VX_SIM_TREE:-$win_build/dist-sim}
linux_build=${VX_LINUX_BUILD_DIR:-$root/build/linux}
title='VX230 Gaming Mouse Driver'

now_us() { echo $(($(date +%s%N) / 1000)); }

# shown_after START_US TITLE: waits for a visible window titled TITLE; prints
# the milliseconds since START_US (3 decimals) or "timeout".
shown_after() {
  local start=$1 i
  for ((i = 0; i < 6000; i++)); do
    if xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; then
      awk -v d=$(($(now_us) - start)) 'BEGIN { printf "%.3f\n", d / 1000 }'
      return 0
    fi
    sleep 0.002
  done
  echo timeout
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "none"; else printf "%.1f", (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# A fresh copy of the tree per platform, the command file emptied each run.
run_program() {  # platform dir
  local platform=$1 dir=$2 start pid t i
  rm -f "$dir/simmouse.cmd" "$dir/diagnostics.log"
  start=$(now_us)
  if [ "$platform" = wine ]; then
    (cd "$dir" && exec wine ZUV_GMouse.exe --diagnostics) >/dev/null 2>&1 &
  else
    (cd "$dir" && exec "$linux_build/vx230-sim" --diagnostics) >/dev/null 2>&1 &
  fi
  pid=$!
  t=$(shown_after "$start" "$title")
  # The control reads only lines written after it started: wait for its log.
  for ((i = 0; i < 500; i++)); do [ -s "$dir/simmouse.log" ] && break; sleep 0.01; done
  echo unplug >>"$dir/simmouse.cmd"
  for ((i = 0; i < 1500; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.01; done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  echo "$t"
}

run_plain() {
  local start pid t
  start=$(now_us)
  wine "$win_build/tools/plainwindow.exe" >/dev/null 2>&1 &
  pid=$!
  t=$(shown_after "$start" 'VX230 plain window')
  wait "$pid" 2>/dev/null
  echo "$t"
}

status=0
if [ "$which" != linux ]; then
  wineserver -p >/dev/null 2>&1  # kept running between the starts
  wine cmd /c exit >/dev/null 2>&1
  cp -r "$sim_tree" "$out/wine-tree"
  for ((n = 0; n < runs; n++)); do
    run_plain >>"$out/wine-plain.txt"
    run_program wine "$out/wine-tree" >>"$out/wine-program.txt"
  done
  plain=$(grep -v timeout "$out/wine-plain.txt" | median)
  program=$(grep -v timeout "$out/wine-program.txt" | median)
  echo "Wine, $runs starts each: trivial window median $plain ms, program median $program ms," \
    "difference $(awk -v a="$program" -v b="$plain" 'BEGIN { printf "%.1f", a - b }') ms"
  echo "  trivial: $(tr '\n' ' ' <"$out/wine-plain.txt")"
  echo "  program: $(tr '\n' ' ' <"$out/wine-program.txt")"
  echo "  last start-up trace:"
  tr -d '\r' <"$out/wine-tree/diagnostics.log" | grep 'startup ' | sed 's/^/    /'
  grep -q timeout "$out/wine-plain.txt" "$out/wine-program.txt" && status=1
  wineserver -k
fi
if [ "$which" != wine ]; then
  home=$out/linux-home
  mkdir -p "$home/run" && chmod 700 "$home/run"
  export HOME=$home XDG_CONFIG_HOME=$home XDG_RUNTIME_DIR=$home/run
  mkdir -p "$home/vx230-sim"
  cp -rL "$linux_build/data/." "$home/vx230-sim/"
  for ((n = 0; n < runs; n++)); do
    run_program linux "$home/vx230-sim" >>"$out/linux-program.txt"
  done
  echo "Native, $runs starts: program median $(grep -v timeout "$out/linux-program.txt" | median) ms"
  echo "  program: $(tr '\n' ' ' <"$out/linux-program.txt")"
  echo "  last start-up trace:"
  grep 'startup ' "$home/vx230-sim/diagnostics.log" | sed 's/^/    /'
  grep -q timeout "$out/linux-program.txt" && status=1
fi
exit $status
