#!/usr/bin/env bash
# No VX230 present, English interface: the English plug-in message, then
# the program ends with the pointer speed reset to 10.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin no_mouse_en dist
e2e_ini_set "$E2E_DIR/config.ini" Init VER_SEL 1
e2e_check_plugin_message "Please plug-in【VX230 Gaming Mouse Driver】USB Mouse" no_mouse_en
e2e_finish
