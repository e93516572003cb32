#!/usr/bin/env bash
# Fails when the window code or its tests compare, offset, set or index a
# skin element by a bare number instead of its name from skin/skin_elements.h.
# Arguments: the folders to read (default: src/ui and tests/ui).
set -uo pipefail
here=$(dirname "$0")
[ "$#" -gt 0 ] || set -- "$here/../src/ui" "$here/ui"
patterns=(
  '\b(element|hot(Main|Color|Advanced)|menuButton)\s*(==|!=|>=|<=|<|>|[-+])\s*[0-9]+'
  '\bhot(Main|Color|Advanced)\s*=\s*[0-9]+'
  '\b(CellOfMain|Open|CopyOf\([^,]+,)\s*\(?[0-9]+\)'
  '\bk\s*(>=|<=|<|>)\s*[0-9]{2,}'
  'EntryAt\([^,]+,\s*[0-9]+'
  '\blayouts?(\.[a-z]+)?\[[0-9]+\]'
  '\b[0-9]+\s*\+\s*(12\s*\*|config\.|level|element|in\.)'
)
bad=0
for pattern in "${patterns[@]}"; do
  if grep -rnE "$pattern" "$@" --include='*.cpp' --include='*.h'; then bad=1; fi
done
[ "$bad" -eq 0 ] || echo "name these elements (tools/skingen/layout.py writes skin/skin_elements.h)"
exit "$bad"
