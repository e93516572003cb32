#!/usr/bin/env bash
# The Windows backend's own tests (main window routing, resources, images,
# clock, threads, lock, user settings), run under Wine in the display.
source "$(dirname "$0")/lib.sh"
E2E_NAME=backend_tests
trap e2e_cleanup EXIT
program=$E2E_WIN_BUILD/tools/win32_backend_tests.exe
if [ ! -f "$program" ]; then
  e2e_fail "$program is missing: build the windows preset first"
  exit 1
fi
e2e_prepare_prefix
e2e_expect "backend tests pass" wine "$program" --gtest_color=no
e2e_finish
