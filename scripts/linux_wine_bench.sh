#!/usr/bin/env bash
# The native Linux program against the Windows program under Wine, on this
# machine, in one run, each figure also as a ratio to the Wine figure:
#  - hover repaint: paint_bench_qt against paint_bench_win32.exe (the real
#    skin in a real window, pictures kept; medians and p99 per page);
#  - action start: from the simulated mouse's press (its input report) to
#    the program's first report (a button bound to Volume Up), in vx230-sim
#    and in the simulated-mouse ZUV_GMouse.exe.
# Usage: scripts/linux_wine_bench.sh [paints per page (200)] [presses (40)]
# After the linux and windows builds; runs in its own Xvfb; not in CI.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# Child: the action start of one platform, one gap (ms) per line into FILE.
if [ "${1:-}" = --action ]; then
  presses=$2 file=$3
  source tests/e2e/lib.sh
  e2e_begin "bench_action-$E2E_PLATFORM" dist-sim
  for n in 1 6; do e2e_ini_set "$E2E_DIR/config.ini" "Config$n" K2 24; done  # Volume Up
  e2e_start_and_wait
  sleep 1  # the control reads only lines added after it started
  for ((i = 0; i < presses; i++)); do
    from=$(($(e2e_log_lines) + 1))
    echo "press 2" >>"$E2E_DIR/simmouse.cmd"
    e2e_wait_reports "$from" 1 5 || e2e_fail "press $i: no report"
    echo "release 2" >>"$E2E_DIR/simmouse.cmd"
    sleep 0.2
  done
  # Press of button 2: input report 06 F2 01; the gap to the next OUT line.
  awk '$2 == "IN" && $3 == "06" && $4 == "F2" && $5 == "01" { t = $1; next }
       $2 == "OUT" && t != "" { printf "%.3f\n", $1 - t; t = "" }' "$E2E_DIR/simmouse.log" >"$file"
  echo unplug >>"$E2E_DIR/simmouse.cmd"
  e2e_finish
fi

if [ -z "${DISPLAY:-}" ] || [ "${1:-}" != --inside-display ]; then
  source tests/e2e/lib.sh
  e2e_prepare_prefix
  exec xvfb-run -a -s '-screen 0 1280x800x24' bash "$0" --inside-display "$@"
fi
shift
paints=${1:-200}
presses=${2:-40}
out=$root/build/bench-linux-wine
mkdir -p "$out"
export WINEPREFIX=${VX_WINEPREFIX:-$root/build/wineprefix} WINEDEBUG=-all QT_QPA_PLATFORM=xcb

echo "== hover repaint ($paints paints per page)"
build/linux/paint_bench_qt data/skins "$paints" >"$out/paint-native.txt" 2>/dev/null ||
  { cat "$out/paint-native.txt"; echo "paint_bench_qt failed"; exit 1; }
wine build/windows/paint_bench_win32.exe data/skins "$paints" 2>/dev/null | tr -d '\r' >"$out/paint-wine.txt" ||
  { cat "$out/paint-wine.txt"; echo "paint_bench_win32.exe failed"; exit 1; }
wineserver -w
# Hover rows: native "page hover | median p99"; Wine "page hover | cached median p99 | ...".
join <(awk '$2 == "hover" { print $1, $4, $5 }' "$out/paint-native.txt" | sort) \
  <(awk '$2 == "hover" { print $1, $4, $5 }' "$out/paint-wine.txt" | sort) |
  awk '{ printf "%-9s native median %.3f ms p99 %.3f ms | Wine median %.3f ms p99 %.3f ms | native/Wine %.2fx median, %.2fx p99\n",
         $1, $2, $3, $4, $5, $2 / $4, $3 / $5 }'

echo "== action start ($presses presses of a button bound to Volume Up)"
for platform in wine linux; do
  VX_E2E_PLATFORM=$platform bash "$0" --action "$presses" "$out/action-$platform.txt" >"$out/action-$platform.log" 2>&1 ||
    { cat "$out/action-$platform.log"; echo "the $platform program failed"; exit 1; }
done
python3 - "$out/action-linux.txt" "$out/action-wine.txt" <<'PY'
import sys
def figures(path):
    gaps = sorted(float(line) for line in open(path) if line.strip())
    n = len(gaps)
    return n, gaps[0], gaps[n // 2], gaps[min(n - 1, (n * 90) // 100)], gaps[-1]
native, wine = figures(sys.argv[1]), figures(sys.argv[2])
for name, f in (('native', native), ('Wine', wine)):
    print('%-6s %d presses: shortest %.3f ms, median %.3f ms, p90 %.3f ms, worst %.3f ms' % (name, *f))
print('native/Wine: median %.2fx, p90 %.2fx' % (native[2] / wine[2], native[3] / wine[3]))
PY
