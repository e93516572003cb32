#!/usr/bin/env bash
# No VX230 present, Chinese interface: the Chinese plug-in message, then
# the program ends with the pointer speed reset to 10.
# Platforms: wine linux
source "$(dirname "$0")/lib.sh"
e2e_begin no_mouse_cn dist
e2e_ini_set "$E2E_DIR/config.ini" Init VER_SEL 0
e2e_check_plugin_message "请插入【VX230 Gaming Mouse Driver】USB鼠标" no_mouse_cn
e2e_finish
