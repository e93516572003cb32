#!/usr/bin/env bash
# lintian on the .deb the linux_package test made: no error and no warning
# (informational tags are listed, not failed). Skipped (77) without lintian.
# Overrides, each with its reason, are in packaging/linux/debian/lintian-overrides.
# Usage: lintian.sh BUILD_DIR
set -uo pipefail
command -v lintian >/dev/null || { echo "lintian is not installed (Debian package lintian): skipped"; exit 77; }
cd "$1" || exit 1
deb=$(ls vx230_*_amd64.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "FAIL: no .deb (the linux_package test makes it)"; exit 1; }
out=$(lintian --info --display-info --no-tag-display-limit "$deb" 2>&1)
status=$?
printf '%s\n' "$out"
if grep -qE '^[EW]: ' <<<"$out" || [ "$status" -ne 0 ]; then
  echo "FAIL: lintian reports $(grep -c '^E: ' <<<"$out") errors and $(grep -c '^W: ' <<<"$out") warnings"
  exit 1
fi
echo "lintian: no error, no warning ($(grep -c '^I: ' <<<"$out") informational)"
