#!/usr/bin/env bash
# Many presses of a macro button (10 000, or as many as fit in
# VX_SOAK_SECONDS, default 110): every press plays its macro (its reports
# counted in simmouse.log), and the program's handles and memory do not
# grow between a warmed-up start and the end.
#
# One press at a time: the program takes a press that comes while the
# previous macro still plays as "stop", so each press waits for the
# previous one's reports.
source "$(dirname "$0")/lib.sh"
e2e_begin soak dist-sim
seconds=${VX_SOAK_SECONDS:-110}
presses=${VX_SOAK_PRESSES:-10000}
# Growth allowed between the two readings.
handle_slack=5
memory_slack_kb=4096

# Back (device button 4) plays user macro 0, here a left click with the
# shortest delays: two events and the release of everything, four reports.
sed -i 's/^VER_SEL=.*/VER_SEL=1\r/; /^\[Config1\]/,/^\[/ s/^K3=.*/K3=41\r/' "$E2E_DIR/config.ini"
python3 "$E2E_ROOT/tests/e2e/vxfiles.py" macro-put "$E2E_DIR/Macro_EN.dat" 0 "Soak click" 1 F0,1,15 F0,2,15
per_press=4

e2e_start_and_wait
pid=$E2E_LAST_PID

# drive COUNT SECONDS: presses one at a time, each once the previous one's
# reports are all there; prints "<presses> <presses that played> <seconds>".
drive() {
  python3 - "$E2E_DIR/simmouse.cmd" "$E2E_DIR/simmouse.log" "$1" "$2" "$per_press" <<'PY'
import sys, time
cmd_path, log_path, count, budget, per_press = sys.argv[1], sys.argv[2], int(sys.argv[3]), float(sys.argv[4]), int(sys.argv[5])
log = open(log_path, 'rb')
log.seek(0, 2)
pending = b''
def new_reports():
    global pending
    pending += log.read()
    *lines, pending = pending.split(b'\n')
    return sum(1 for l in lines if l.split(b' ')[1:2] == [b'OUT'])
start = time.monotonic()
pressed = played = 0
with open(cmd_path, 'ab', buffering=0) as cmd:
    while pressed < count and time.monotonic() - start < budget:
        cmd.write(b'press 4\nrelease 4\n')
        pressed += 1
        seen, deadline = 0, time.monotonic() + 3
        while seen < per_press and time.monotonic() < deadline:
            seen += new_reports()
            if seen < per_press:
                time.sleep(0.003)
        played += seen == per_press
        time.sleep(0.002)  # the player marks itself idle just after its last report
        if seen != per_press:
            print('press %d: %d of %d reports' % (pressed, seen, per_press), file=sys.stderr)
print(pressed, played, '%.1f' % (time.monotonic() - start))
PY
}

# "handles threads working_set_kb pagefile_kb vmrss_kb"
usage() {
  local line rss
  line=$(e2e_process_usage)
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
  sed -E 's/[a-z_]+=//g' <<<"$line $rss"
}

read -r n ok _ < <(drive 50 30)
e2e_expect_eq "warm-up presses all played" "$n" "$ok"
sleep 1
read -r h0 t0 ws0 pf0 rss0 < <(usage)
from=$(($(e2e_log_lines) + 1))
read -r n ok took < <(drive "$presses" "$seconds")
sleep 1
read -r h1 t1 ws1 pf1 rss1 < <(usage)
out=$(e2e_reports_from "$from" | wc -l)
ins=$(tail -n +"$from" "$E2E_DIR/simmouse.log" | awk '$2 == "IN"' | wc -l)
e2e_log "soak: $n presses in $took s, $ok played; $out reports out, $ins input reports"
e2e_log "before: handles=$h0 threads=$t0 working_set_kb=$ws0 pagefile_kb=$pf0 vmrss_kb=$rss0"
e2e_log "after:  handles=$h1 threads=$t1 working_set_kb=$ws1 pagefile_kb=$pf1 vmrss_kb=$rss1"
e2e_expect "pressed for the whole time or all $presses presses" \
  eval "[ '${n:-0}' -ge $presses ] || awk -v t='${took:-0}' 'BEGIN { exit !(t >= $seconds) }'"
e2e_expect_eq "every press played" "$n" "$ok"
e2e_expect_eq "four reports a press in simmouse.log" "$((n * per_press))" "$out"
e2e_expect_eq "a press and a release report a press" "$((n * 2))" "$ins"
e2e_expect "handles did not grow (by more than $handle_slack)" test "${h1:-999999}" -le $((${h0:-0} + handle_slack))
e2e_expect_eq "threads did not grow" "$t0" "$t1"
e2e_expect "private memory did not grow (by more than $memory_slack_kb KB)" \
  test "${pf1:-999999999}" -le $((${pf0:-0} + memory_slack_kb))
e2e_expect "resident memory did not grow (by more than $memory_slack_kb KB)" \
  test "${rss1:-999999999}" -le $((${rss0:-0} + memory_slack_kb))
e2e_expect "no crash" e2e_no_crash
echo unplug >>"$E2E_DIR/simmouse.cmd"
e2e_wait_exit "$pid" 15 || e2e_fail "the program did not end on unplug"
e2e_finish
