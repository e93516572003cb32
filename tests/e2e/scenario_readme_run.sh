#!/usr/bin/env bash
# The README's run command on a machine without a display: scripts/run.sh
# starts the simulated-mouse build inside a virtual display of its own, the
# program sends the configuration, and an unplug ends the program and the
# script with exit code 0.
source "$(dirname "$0")/lib.sh"
E2E_NAME=readme_run
tree=$E2E_WIN_BUILD/dist-sim
mkdir -p "$E2E_OUT/$E2E_NAME"
run_log=$E2E_OUT/$E2E_NAME/run.log
group_file=$E2E_OUT/$E2E_NAME/group
run_pid=

# run.sh, its xvfb-run and Xvfb, and Wine run in a process group of their
# own; ending that group ends all of them.
stop_run() {
  local group
  group=$(cat "$group_file" 2>/dev/null)
  if [ -n "$group" ] && kill -0 -- "-$group" 2>/dev/null; then
    kill -TERM -- "-$group" 2>/dev/null
    sleep 1
    kill -KILL -- "-$group" 2>/dev/null
  fi
  if [ -n "$run_pid" ]; then
    wait "$run_pid" 2>/dev/null
    run_pid=
  fi
}

# The program writes its settings into dist-sim/: put the shipped files back.
restore_tree() {
  cmake -DSOURCE_DIR="$E2E_ROOT" -DDIST_DIR="$tree" -P "$E2E_ROOT/cmake/stage_run_tree.cmake"
}

trap 'stop_run; e2e_cleanup; restore_tree' EXIT
trap 'exit 130' INT TERM

if [ ! -f "$tree/$E2E_EXE" ]; then
  e2e_fail "$tree/$E2E_EXE is missing: build the windows preset first"
  exit 1
fi
e2e_prepare_prefix
rm -f "$tree/simmouse.log" "$group_file"
# setsid makes the group; its leader writes the group's id.
(cd "$E2E_ROOT" && exec env -u DISPLAY -u XAUTHORITY \
  setsid -w bash -c 'echo $$ >"$1"; exec scripts/run.sh' run "$group_file") >"$run_log" 2>&1 &
run_pid=$!

# Start-up applies the configuration: thirteen reports.
reports=0
for ((i = 0; i < 300; i++)); do
  reports=$(grep -c ' OUT ' "$tree/simmouse.log" 2>/dev/null)
  [ "${reports:-0}" -ge 13 ] && break
  e2e_is_running "$run_pid" || break
  sleep 0.2
done
e2e_expect "the thirteen start-up reports within 60 s (seen: ${reports:-0})" [ "${reports:-0}" -ge 13 ]

echo unplug >>"$tree/simmouse.cmd"
if e2e_wait_exit "$run_pid" 60; then
  run_pid=
  e2e_expect_eq "exit code of scripts/run.sh" "0" "$E2E_EXIT_CODE"
else
  e2e_fail "scripts/run.sh still runs 60 s after the unplug"
fi
if [ "$E2E_FAILED" -ne 0 ]; then
  e2e_log "scripts/run.sh printed:"
  tail -20 "$run_log"
fi
stop_run
restore_tree
e2e_finish
