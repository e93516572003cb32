#!/usr/bin/env bash
# Per-program profiles: from a change of the program in front to the first
# report the switch sends, median and p99 with the settle time (500 ms)
# taken off, over ROUNDS switches between two windows whose rules name
# different profiles; then the program's wake-ups per second while idle
# with the switch on (voluntary context switches of all its threads over
# SECONDS), and with the switch off for comparison.
#   linux: build/linux/vx230-sim; the script sets the root window's
#          _NET_ACTIVE_WINDOW itself (as a window manager does) and times
#          until the report shows in simmouse.log.
#   wine:  the simulated ZUV_GMouse.exe; wintext.exe --activate
#          --time-reports brings a window to the front and times, in the
#          same process, until the report shows in simmouse.log.
# Each in its own Xvfb.
#
# Usage: scripts/program_profiles_bench.sh [ROUNDS (40)] [SECONDS (20)] [linux|wine|both (both)]
# Another build: VX_LINUX_BUILD_DIR, VX_WIN_BUILD_DIR as for the scenarios. Not in CI.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
settle_ms=500

idle_wakeups() {  # PID SECONDS: wake-ups per second of the whole process
  python3 - "$1" "$2" <<'PY'
import os, sys, time
pid, seconds = sys.argv[1], float(sys.argv[2])
def total():
    n = 0
    for tid in os.listdir(f'/proc/{pid}/task'):
        try:
            for line in open(f'/proc/{pid}/task/{tid}/status'):
                if line.startswith('voluntary_ctxt_switches'):
                    n += int(line.split()[1])
        except OSError:
            pass
    return n
before, start = total(), time.monotonic()
time.sleep(seconds)
print(f'{(total() - before) / (time.monotonic() - start):.2f}')
PY
}

summary() {  # reads milliseconds, one per line
  python3 -c '
import statistics, sys
ms = sorted(float(v) - '"$settle_ms"' for v in sys.stdin.read().split())
if not ms: sys.exit("no switch was timed")
p99 = ms[min(len(ms) - 1, round(0.99 * (len(ms) - 1)))]
print(f"median {statistics.median(ms):.1f} ms, p99 {p99:.1f} ms, min {ms[0]:.1f} ms ({len(ms)} switches)")'
}

# time_linux LOG ID: sets the active window and prints the milliseconds to
# the next report.
time_linux() {
  python3 - "$1" "$2" <<'PY'
import ctypes, sys, time
log, window = sys.argv[1], int(sys.argv[2])
x = ctypes.cdll.LoadLibrary('libX11.so.6')
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                              ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
x.XFlush.argtypes = [ctypes.c_void_p]
d = x.XOpenDisplay(None)
def reports():
    with open(log, 'rb') as f:
        return f.read().count(b' OUT ')
before = reports()
value = ctypes.c_ulong(window)
start = time.monotonic()
x.XChangeProperty(d, x.XDefaultRootWindow(d), x.XInternAtom(d, b'_NET_ACTIVE_WINDOW', 0), 33, 32, 0,
                  ctypes.byref(value), 1)
x.XFlush(d)
while reports() == before and time.monotonic() - start < 10:
    time.sleep(0.0005)
print(f'{(time.monotonic() - start) * 1000:.2f}' if reports() > before else -1)
PY
}

# Child: one platform inside the display.
if [ "${1:-}" = --platform ]; then
  export VX_E2E_PLATFORM=$2
  rounds=$3 seconds=$4 enabled=$5
  source tests/e2e/lib.sh
  e2e_begin "program_profiles_bench" dist-sim
  ini=$E2E_DIR/config.ini
  e2e_ini_set "$ini" AutoSwitch Enabled "$enabled"
  e2e_ini_set "$ini" AutoSwitch Rules 2
  if [ "$E2E_PLATFORM" = linux ]; then
    e2e_ini_set "$ini" AutoSwitch Rule1 "2|class|BenchA"
    e2e_ini_set "$ini" AutoSwitch Rule2 "3|class|BenchB"
  else
    e2e_ini_set "$ini" AutoSwitch Rule1 "2|program|bencha.exe"
    e2e_ini_set "$ini" AutoSwitch Rule2 "3|program|benchb.exe"
  fi
  e2e_start_and_wait
  pid=$E2E_LAST_PID
  if [ "$E2E_PLATFORM" = wine ] && ! grep -q "$E2E_EXE" "/proc/$pid/comm" 2>/dev/null; then
    pid=$(pgrep -n -f "$E2E_EXE")
  fi
  if [ "$E2E_PLATFORM" = linux ]; then
    for w in a b; do
      python3 tests/e2e/linux/x11_windows.py window "bench$w" "Bench${w^^}" "bench $w" >"$E2E_HOME/$w.id" &
      E2E_PIDS+=("$!")
      e2e_eventually 10 test -s "$E2E_HOME/$w.id"
    done
    front() { time_linux "$E2E_DIR/simmouse.log" "$(head -1 "$E2E_HOME/$1.id")"; }
  else
    for w in a b; do
      cp "$E2E_WIN_BUILD/tools/plainwindow.exe" "$E2E_DIR/bench$w.exe"
      (cd "$E2E_DIR" && exec wine "bench$w.exe" --stay) >/dev/null 2>&1 &
      E2E_PIDS+=("$!")
      e2e_eventually 20 eval "[ \"\$(e2e_wintext --process bench$w.exe --visible --count | tail -1)\" -ge 1 ]"
    done
    log=$(winepath -w "$E2E_DIR/simmouse.log" | tr -d '\r')
    front() { e2e_wintext --process "bench$1.exe" --activate --time-reports "$log" | tail -1; }
  fi
  if [ "$enabled" = 1 ]; then
    times=()
    for ((i = 0; i < rounds; i++)); do
      from=$(($(e2e_log_lines) + 1))
      times+=("$(front "$([ $((i % 2)) = 0 ] && echo a || echo b)")")
      e2e_wait_reports "$from" 13 10
    done
    echo "$E2E_PLATFORM: program in front to first report, settle taken off: $(printf '%s\n' "${times[@]}" | grep -v '^-1' | summary)"
  fi
  sleep 3
  echo "$E2E_PLATFORM: idle wake-ups/s, switch $([ "$enabled" = 1 ] && echo on || echo off): $(idle_wakeups "$pid" "$seconds")"
  e2e_finish >/dev/null
fi

rounds=${1:-40}
seconds=${2:-20}
case ${3:-both} in
  both) platforms="linux wine" ;;
  linux | wine) platforms=$3 ;;
  *) echo "usage: $0 [ROUNDS] [SECONDS] [linux|wine|both]"; exit 2 ;;
esac
for platform in $platforms; do
  if [ "$platform" = wine ]; then (VX_E2E_PLATFORM=wine; source tests/e2e/lib.sh; e2e_prepare_prefix); fi
  for enabled in 1 0; do
    xvfb-run -a -s '-screen 0 1280x800x24' bash "$0" --platform "$platform" "$rounds" "$seconds" "$enabled" 2>/dev/null |
      grep -E "^$platform: "
  done
done
