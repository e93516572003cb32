#!/usr/bin/env bash
# No config.ini beside the exe: every setting reads as 0, so the interface
# is Chinese; the program must not crash and ends after the plug-in message.
source "$(dirname "$0")/lib.sh"
e2e_begin missing_config dist
rm -f "$E2E_DIR/config.ini"
e2e_check_plugin_message "请插入【VX230 Gaming Mouse Driver】USB鼠标" missing_config
e2e_finish
