#!/usr/bin/env bash
# Fails when a source file includes a layer above its own. The layers, from
# the bottom: platform, settings, skin and macro, device, ui, app. The entry
# points under platform/*/entry/ build the whole program and may include app/.
set -uo pipefail
src=${1:-$(dirname "$0")/../src}
cd "$src" || exit 2

allowed() {  # the folders a layer may include
  case "$1" in
    platform) echo "platform" ;;
    settings) echo "platform settings" ;;
    skin) echo "platform settings skin" ;;
    macro) echo "platform settings macro" ;;
    device) echo "platform settings macro device" ;;
    ui) echo "platform settings skin macro device ui" ;;
    app) echo "platform settings skin macro device ui app" ;;
  esac
}

bad=0
for layer in platform settings skin macro device ui app; do
  ok=" $(allowed "$layer") "
  while IFS=: read -r file line text; do
    file=${file#./}
    case "$file" in */entry/*) continue ;; esac
    target=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$text")
    if [[ "$ok" != *" $target "* ]]; then
      echo "$layer/$file:$line includes $target/: $text"
      bad=1
    fi
  done < <(cd "$layer" && grep -rnE '^#include "[a-z_]+/' --include='*.h' --include='*.cpp' .)
done
[ "$bad" -eq 0 ] && echo "layers: every include points down"
exit "$bad"
