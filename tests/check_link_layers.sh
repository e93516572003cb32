#!/usr/bin/env bash
# Fails when a layer's library uses a symbol that only a layer above it
# defines. Arguments: the layer libraries from the bottom up, as
# name=path (platform settings skin macro device ui app).
set -uo pipefail
declare -A path below
order=()
for arg in "$@"; do order+=("${arg%%=*}"); path[${arg%%=*}]=${arg#*=}; done
# What each layer may use, as in check_layers.sh.
below=([platform]="platform" [settings]="platform settings" [skin]="platform settings skin"
  [macro]="platform settings macro" [device]="platform settings macro device"
  [ui]="platform settings skin macro device ui" [app]="platform settings skin macro device ui app")

defined() { nm --defined-only --format=posix "$1" 2>/dev/null | awk '$2 ~ /^[TDBR]$/ { print $1 }' | sort -u; }
bad=0
for layer in "${order[@]}"; do
  used=$(nm --undefined-only --format=posix "${path[$layer]}" 2>/dev/null | awk '{ print $1 }' | sort -u)
  for other in "${order[@]}"; do
    [[ " ${below[$layer]} " == *" $other "* ]] && continue
    upward=$(comm -12 <(echo "$used") <(defined "${path[$other]}"))
    if [ -n "$upward" ]; then
      echo "$layer uses $other:"; c++filt <<<"$upward" | sed 's/^/  /'
      bad=1
    fi
  done
done
exit "$bad"
