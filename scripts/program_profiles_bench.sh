#!/usr/bin/env bash
# Per-program profiles, natively on X11 (build/linux/vx230-sim in its own
# Xvfb): from the change of _NET_ACTIVE_WINDOW to the first report the
# switch sends, median and p99 with the settle time (500 ms) taken off,
# over ROUNDS switches between two windows whose rules name different
# profiles; then the program's wake-ups per second while idle with the
# switch on (every thread's voluntary context switches over SECONDS), and
# the same with the switch off for comparison.
#
# Usage: scripts/program_profiles_bench.sh [ROUNDS (40)] [SECONDS (20)]
# Another build: VX_LINUX_BUILD_DIR=dir with vx230-sim and data/. Not in CI.
set -uo pipefail
cd "$(dirname "$0")/.."
export VX_E2E_PLATFORM=linux
if [ "${1:-}" != --inside-display ]; then
  exec xvfb-run -a -s '-screen 0 1280x800x24' "$0" --inside-display "$@"
fi
shift
rounds=${1:-40}
seconds=${2:-20}
source tests/e2e/lib.sh
windows=$E2E_ROOT/tests/e2e/linux/x11_windows.py

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

run() {  # ENABLED
  e2e_begin program_profiles_bench dist-sim
  local ini=$E2E_DIR/config.ini
  e2e_ini_set "$ini" AutoSwitch Enabled "$1"
  e2e_ini_set "$ini" AutoSwitch Rules 2
  e2e_ini_set "$ini" AutoSwitch Rule1 "2|class|BenchA"
  e2e_ini_set "$ini" AutoSwitch Rule2 "3|class|BenchB"
  e2e_start_and_wait
  local pid=$E2E_LAST_PID
  python3 "$windows" window bencha BenchA "bench A" >"$E2E_HOME/a.id" &
  E2E_PIDS+=("$!")
  python3 "$windows" window benchb BenchB "bench B" >"$E2E_HOME/b.id" &
  E2E_PIDS+=("$!")
  e2e_eventually 10 test -s "$E2E_HOME/a.id"
  e2e_eventually 10 test -s "$E2E_HOME/b.id"
  if [ "$1" = 1 ]; then
    python3 - "$E2E_DIR/simmouse.log" "$(head -1 "$E2E_HOME/a.id")" "$(head -1 "$E2E_HOME/b.id")" "$rounds" <<'PY'
import ctypes, statistics, sys, time
log, a, b, rounds = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
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
root = x.XDefaultRootWindow(d)
active = x.XInternAtom(d, b'_NET_ACTIVE_WINDOW', 0)
def out_lines():
    with open(log, 'rb') as f:
        return sum(1 for line in f if b' OUT ' in line)
settle = 0.5
latencies = []
for i in range(rounds):
    before = out_lines()
    value = ctypes.c_ulong(a if i % 2 == 0 else b)
    start = time.monotonic()
    x.XChangeProperty(d, root, active, 33, 32, 0, ctypes.byref(value), 1)
    x.XFlush(d)
    while out_lines() == before:
        time.sleep(0.0005)
        if time.monotonic() - start > 5:
            sys.exit(f'round {i}: no report within 5 s')
    latencies.append((time.monotonic() - start - settle) * 1000)
    while out_lines() < before + 13:
        time.sleep(0.005)
    time.sleep(0.05)
latencies.sort()
p99 = latencies[min(len(latencies) - 1, round(0.99 * (len(latencies) - 1)))]
print(f'foreground change to first report, settle taken off: median {statistics.median(latencies):.1f} ms, '
      f'p99 {p99:.1f} ms, min {latencies[0]:.1f} ms ({rounds} switches)')
PY
  fi
  sleep 3
  echo "idle wake-ups/s, switch $( [ "$1" = 1 ] && echo on || echo off ): $(idle_wakeups "$pid" "$seconds")"
  e2e_cleanup
}

run 1
run 0
