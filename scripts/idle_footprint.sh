#!/usr/bin/env bash
# What the simulated-mouse program costs while nobody uses it: started
# hidden (--tray), then with its window shown, then on the lighting page
# (whose preview animates), each time left to settle and then sampled for
# SECONDS. Per thread of the program's process: voluntary context switches
# per second (each one a wake-up after a wait), CPU ticks, and for the
# process the resident and proportional memory (smaps_rollup). Natively
# build/linux/vx230-sim; under Wine the simulated ZUV_GMouse.exe of the
# windows build (the threads of its wine process; Wine's own processes,
# wineserver and the tray's explorer.exe, are not counted).
#
# Usage: scripts/idle_footprint.sh [SECONDS (60)] [linux|wine|both (both)]
# Another build (e.g. to compare against an older commit):
#   VX_LINUX_BUILD_DIR=dir with vx230-sim and data/
#   VX_SIM_TREE=dir with the simulated ZUV_GMouse.exe tree (dist-sim)
#   VX_WIN_BUILD_DIR=dir with tools/wintext.exe
# Runs in its own Xvfb; results also in build/idle-footprint/. Not in CI.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
settle=${VX_FOOTPRINT_SETTLE:-5}

# sample PID SECONDS: one line per thread, then the process's totals.
sample() {
  python3 - "$1" "$2" <<'PY'
import os, sys, time
pid, seconds = sys.argv[1], float(sys.argv[2])
hz = os.sysconf('SC_CLK_TCK')
def tasks():
    out = {}
    for tid in os.listdir(f'/proc/{pid}/task'):
        try:
            status = open(f'/proc/{pid}/task/{tid}/status').read().splitlines()
            stat = open(f'/proc/{pid}/task/{tid}/stat').read()
        except OSError:
            continue
        fields = dict(l.split(':', 1) for l in status if ':' in l)
        rest = stat[stat.rindex(')') + 2:].split()
        out[tid] = (fields['Name'].strip(), int(fields['voluntary_ctxt_switches']),
                    int(fields['nonvoluntary_ctxt_switches']), int(rest[11]) + int(rest[12]))
    return out
before = tasks()
start = time.monotonic()
time.sleep(seconds)
after = tasks()
elapsed = time.monotonic() - start
total_wakes = total_ticks = 0
rows = []
for tid, (name, vol, invol, ticks) in after.items():
    b = before.get(tid, (name, 0, 0, 0))
    wakes, forced, used = vol - b[1], invol - b[2], ticks - b[3]
    total_wakes += wakes
    total_ticks += used
    rows.append((wakes, tid, name, forced, used))
for wakes, tid, name, forced, used in sorted(rows, reverse=True):
    print(f'  thread {tid:>7} {name:<16} {wakes / elapsed:8.2f} wake-ups/s  {forced:5d} preempted  {used:4d} ticks')
mem = {}
for line in open(f'/proc/{pid}/smaps_rollup'):
    parts = line.split()
    if len(parts) >= 2 and parts[0] in ('Rss:', 'Pss:'):
        mem[parts[0][:-1]] = int(parts[1])
print(f'  total: {len(after)} threads, {total_wakes / elapsed:.2f} wake-ups/s, {total_ticks} ticks in {elapsed:.1f} s = '
      f'{100.0 * total_ticks / hz / elapsed:.3f} % of a core, RSS {mem.get("Rss", 0) / 1024:.1f} MB, '
      f'PSS {mem.get("Pss", 0) / 1024:.1f} MB')
PY
}

# Child: one platform, inside the display; writes the report to FILE.
if [ "${1:-}" = --platform ]; then
  seconds=$2 file=$3
  if [ -n "${VX_SIM_TREE:-}" ] && [ "${VX_E2E_PLATFORM:-wine}" = wine ]; then tree=$(realpath "$VX_SIM_TREE"); else tree=dist-sim; fi
  source tests/e2e/lib.sh
  e2e_begin "footprint-$E2E_PLATFORM" "$tree"
  e2e_start --tray
  e2e_wait_reports 1 13 30 || { e2e_fail "the start-up reports were not sent"; e2e_finish; }
  pid=$E2E_LAST_PID
  # Under Wine the started wine becomes the exe's process (same pid); else find it.
  if [ "$E2E_PLATFORM" = wine ] && ! grep -q "$E2E_EXE" "/proc/$pid/comm" 2>/dev/null; then
    pid=$(pgrep -n -f "$E2E_EXE") || { e2e_fail "no process of $E2E_EXE"; e2e_finish; }
  fi
  main=INI_EN/skin_main_en.ini
  {
    echo "== $E2E_PLATFORM: hidden in the tray ($seconds s after $settle s)"
    sleep "$settle"
    sample "$pid" "$seconds"
    e2e_start  # a second start shows the running program's window and ends
    e2e_wait_window "$E2E_TITLE" 30 || e2e_fail "the window was not shown"
    xdotool mousemove 1 1
    echo "== $E2E_PLATFORM: window shown"
    sleep "$settle"
    sample "$pid" "$seconds"
    e2e_click $main 11  # the lighting page: its preview animates
    xdotool mousemove 1 1
    echo "== $E2E_PLATFORM: lighting page (preview running)"
    sleep "$settle"
    sample "$pid" "$seconds"
  } >"$file"
  echo unplug >>"$E2E_DIR/simmouse.cmd"
  e2e_wait_exit "$E2E_PIDS" 15 || e2e_fail "the program did not end on unplug"
  e2e_finish
fi

if [ "${1:-}" != --inside-display ]; then
  source tests/e2e/lib.sh
  e2e_prepare_prefix
  exec xvfb-run -a -s '-screen 0 1280x800x24' bash "$0" --inside-display "$@"
fi
shift
seconds=${1:-60}
which=${2:-both}
out=$root/build/idle-footprint
mkdir -p "$out"
export WINEDEBUG=-all QT_QPA_PLATFORM=xcb
case $which in
  both) platforms="linux wine" ;;
  linux | wine) platforms=$which ;;
  *) echo "usage: $0 [SECONDS] [linux|wine|both]"; exit 2 ;;
esac
status=0
for platform in $platforms; do
  if VX_E2E_PLATFORM=$platform bash "$0" --platform "$seconds" "$out/$platform.txt" >"$out/$platform.log" 2>&1; then
    cat "$out/$platform.txt"
  else
    cat "$out/$platform.log"
    echo "the $platform program failed"
    status=1
  fi
done
exit $status
