# Shared helpers of the end-to-end scenarios: the Wine prefix, a fresh copy
# of a run-time tree per scenario, starting the program, reading window
# texts and the registry, screenshots, and cleaning up every process.
#
# A scenario script sources this file, calls e2e_begin, runs its steps with
# the e2e_expect_* checks and ends with e2e_finish. It needs an X display
# (run_e2e.sh provides one with xvfb-run).
#
# The same scenario runs against the Windows program under Wine or the
# native Linux program: everything that depends on which one (starting it,
# its tree, counting and reading its windows, the pointer speed, the file
# dialogs, the clean-up) is a function below that lib_linux.sh replaces.
# A scenario that runs natively says so in a "# Platforms: wine linux" line.
#
# Environment:
#   VX_E2E_PLATFORM   wine (default) or linux
#   VX_WIN_BUILD_DIR  build tree of the windows preset (default build/windows),
#                     where tools/wintext.exe is
#   VX_WINEPREFIX     Wine prefix (default build/wineprefix)
#   VX_LINUX_BUILD_DIR build tree of the linux preset (default build/linux)

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_PLATFORM=${VX_E2E_PLATFORM:-wine}
# A native scenario started without a display runs itself again under
# xvfb-run (the sourcing script's arguments go with it).
if [ "$E2E_PLATFORM" = linux ] && [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x800x24' bash "$0" "$@"
fi
E2E_WIN_BUILD=${VX_WIN_BUILD_DIR:-$E2E_ROOT/build/windows}
E2E_OUT=$E2E_ROOT/build/e2e
E2E_WINTEXT=$E2E_WIN_BUILD/tools/wintext.exe
export WINEPREFIX=${VX_WINEPREFIX:-$E2E_ROOT/build/wineprefix}
export WINEDEBUG=-all LANG=zh_CN.UTF-8

E2E_TITLE='VX230 Gaming Mouse Driver'
E2E_APP_NAME='ZUV_GMouse'
E2E_EXE='ZUV_GMouse.exe'
E2E_PIDS=()
E2E_FAILED=0
E2E_NAME=
E2E_DIR=

# Creates the prefix once: no window manager (Managed=N), so windows close
# without waiting for one.
e2e_prepare_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
  fi
}

e2e_log() { echo "[$E2E_NAME] $*"; }

e2e_fail() {
  e2e_log "FAIL: $*"
  E2E_FAILED=1
}

# e2e_begin NAME TREE: TREE is dist (real HID) or dist-sim (simulated mouse),
# the run-time trees of the windows build, or a tree's absolute path. Copies
# the tree to build/e2e/NAME so the scenario may change its files.
e2e_begin() {
  E2E_NAME=$1
  local tree=$2
  [[ $tree == /* ]] || tree=$E2E_WIN_BUILD/$tree
  E2E_DIR=$E2E_OUT/$E2E_NAME
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM
  if [ ! -f "$tree/$E2E_EXE" ]; then
    e2e_fail "$tree/$E2E_EXE is missing: build the windows preset first"
    exit 1
  fi
  if [ ! -f "$E2E_WINTEXT" ]; then
    e2e_fail "$E2E_WINTEXT is missing: build the windows preset first"
    exit 1
  fi
  mkdir -p "$E2E_OUT"
  rm -rf "$E2E_DIR"
  cp -r "$tree" "$E2E_DIR"
  e2e_prepare_prefix
}

# Starts the program of the scenario's tree in the background; its pid is
# in E2E_LAST_PID. Wine's messages go to wine-<n>.log in the tree.
e2e_start() {
  local n=${#E2E_PIDS[@]}
  (cd "$E2E_DIR" && exec wine "$E2E_EXE" "$@") >"$E2E_DIR/wine-$n.log" 2>&1 &
  E2E_LAST_PID=$!
  E2E_PIDS+=("$E2E_LAST_PID")
}

# wintext.exe with its arguments; output as UTF-8 lines without CR.
e2e_wintext() {
  # Wine now and then starts a console program while the previous one's
  # process is still being torn down and prints nothing: ask again.
  local out attempt
  for attempt in 1 2 3; do
    out=$(wine "$E2E_WINTEXT" "$@" 2>/dev/null | tr -d '\r')
    [ -n "$out" ] && break
    sleep 0.5
  done
  printf '%s\n' "$out"
}

# Number of the program's top-level windows titled TITLE.
e2e_window_count() {
  e2e_wintext --process "$E2E_EXE" --title "$1" --count | tail -1
}

e2e_visible_window_count() {
  e2e_wintext --process "$E2E_EXE" --title "$1" --visible --count | tail -1
}

# e2e_wait_window TITLE [SECONDS]: waits until the program shows a window
# titled TITLE; false on timeout.
e2e_wait_window() {
  local title=$1 limit=$((${2:-20} * 5)) i
  for ((i = 0; i < limit; i++)); do
    [ "$(e2e_visible_window_count "$title")" -ge 1 ] 2>/dev/null && return 0
    sleep 0.2
  done
  return 1
}

# Texts of the child windows of the program's window titled TITLE, one per
# line (for a message box: its icon, the OK button and the message).
e2e_window_texts() {
  e2e_wintext --process "$E2E_EXE" --title "$1" | awk -F'\t' '/^  / { print $4 }'
}

# Captions of the buttons of the program's window titled TITLE, one per line.
e2e_window_buttons() {
  e2e_wintext --process "$E2E_EXE" --title "$1" | awk -F'\t' '/^  / && $3 == "Button" { print $4 }'
}

# Number of the program's top-level windows, any title; with "visible"
# only the shown ones.
e2e_program_window_count() {
  if [ "${1:-}" = visible ]; then
    e2e_wintext --process "$E2E_EXE" --visible --count | tail -1
  else
    e2e_wintext --process "$E2E_EXE" --count | tail -1
  fi
}

# e2e_field_text ID: the text of the main window's edit field ID (the
# field has the keyboard: lib_linux.sh reads it through the clipboard).
e2e_field_text() {
  e2e_wintext --process "$E2E_EXE" --title "$E2E_TITLE" | awk -F'\t' -v id="$1" '$2 == id { print $4 }'
}

# Threads of the running program, as the system counts them.
e2e_thread_count() { e2e_wintext --threads --process "$E2E_EXE" | tail -1; }

# Answers Yes in the question that has the keyboard (Yes is the default).
e2e_answer_yes() { xdotool key Return; }

# e2e_windows_only WHAT: true under Wine; natively it logs that the check
# WHAT is left out (a check of Windows alone: registry, installer, exe
# resources) and is false.
e2e_windows_only() {
  [ "$E2E_PLATFORM" = wine ] && return 0
  e2e_log "skipped natively: $1"
  return 1
}

# Presses OK (WM_COMMAND IDOK) on the program's window titled TITLE.
e2e_press_ok() {
  e2e_wintext --process "$E2E_EXE" --title "$1" --command 1 >/dev/null
}

# Sends a close request (WM_CLOSE) to the program's window titled TITLE.
e2e_close_window() {
  e2e_wintext --process "$E2E_EXE" --title "$1" --close >/dev/null
}

# e2e_wait_exit PID [SECONDS]: waits for the process to end; its exit code
# is in E2E_EXIT_CODE. False on timeout.
e2e_wait_exit() {
  local pid=$1 limit=$((${2:-15} * 5)) i
  for ((i = 0; i < limit; i++)); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" 2>/dev/null
      E2E_EXIT_CODE=$?
      return 0
    fi
    sleep 0.2
  done
  return 1
}

e2e_is_running() { kill -0 "$1" 2>/dev/null; }

e2e_mouse_sensitivity() {
  wine reg query 'HKCU\Control Panel\Mouse' /v MouseSensitivity 2>/dev/null | tr -d '\r' |
    awk '$1 == "MouseSensitivity" { print $3 }'
}

e2e_set_mouse_sensitivity() {
  wine reg add 'HKCU\Control Panel\Mouse' /v MouseSensitivity /t REG_SZ /d "$1" /f >/dev/null 2>&1
}

# e2e_screenshot NAME: the whole screen to build/e2e/NAME.png.
e2e_screenshot() {
  import -window root "$E2E_OUT/$1.png" 2>/dev/null || e2e_log "screenshot $1 failed"
}

# e2e_ini_set FILE SECTION KEY VALUE: sets a key in an INI file, keeping its
# encoding (UTF-16LE with BOM, UTF-8 with or without BOM, ASCII).
e2e_ini_set() { python3 "$E2E_ROOT/tests/e2e/vxfiles.py" ini-set "$@"; }

# e2e_expect_eq WHAT EXPECTED ACTUAL
e2e_expect_eq() {
  if [ "$2" == "$3" ]; then
    e2e_log "ok: $1"
  else
    e2e_fail "$1: expected [$2], got [$3]"
  fi
}

# e2e_expect WHAT COMMAND...: passes when the command succeeds.
e2e_expect() {
  local what=$1
  shift
  if "$@"; then e2e_log "ok: $what"; else e2e_fail "$what"; fi
}

# Ends every process this scenario started, then everything left in the
# prefix (message boxes, helpers), and waits for the Wine server to go.
e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do
    kill "$pid" 2>/dev/null
  done
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  for pid in "${E2E_PIDS[@]}"; do
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  E2E_PIDS=()
}

e2e_finish() {
  e2e_cleanup
  trap - EXIT
  if [ "$E2E_FAILED" -eq 0 ]; then
    e2e_log "PASSED"
    exit 0
  fi
  e2e_log "FAILED"
  exit 1
}

# Starts the program expecting the plug-in message of a missing mouse:
# checks the box's caption and exact text, takes a screenshot, presses OK,
# and checks that the program ended cleanly with the pointer speed at 10
# and no window left.
# e2e_check_plugin_message EXPECTED_TEXT SCREENSHOT_NAME
e2e_check_plugin_message() {
  local expected=$1 shot=$2 pid texts buttons
  e2e_set_mouse_sensitivity 5
  e2e_start
  pid=$E2E_LAST_PID
  if ! e2e_wait_window "$E2E_APP_NAME" 30; then
    e2e_fail "no message box titled $E2E_APP_NAME appeared"
    return
  fi
  e2e_wait_settled  # the box has painted before the screenshot
  texts=$(e2e_window_texts "$E2E_APP_NAME")
  buttons=$(e2e_window_buttons "$E2E_APP_NAME")
  e2e_expect "message text is exactly [$expected]" grep -qxF -- "$expected" <<<"$texts"
  # Wine words the button in the system's language ("确定" on a Chinese system).
  e2e_expect "the box has only an OK button ($buttons)" test "$buttons" = OK -o "$buttons" = 确定
  e2e_expect_eq "the main window is not shown behind the box" "0" "$(e2e_visible_window_count "$E2E_TITLE")"
  e2e_screenshot "$shot"
  e2e_press_ok "$E2E_APP_NAME"
  if e2e_wait_exit "$pid" 15; then
    e2e_expect_eq "the program ended normally" "0" "$E2E_EXIT_CODE"
  else
    e2e_fail "the program did not end after OK"
  fi
  e2e_expect_eq "pointer speed after exit" "10" "$(e2e_mouse_sensitivity)"
  e2e_expect_eq "no window of the program left" "0" "$(e2e_program_window_count)"
  e2e_expect "no window titled $E2E_TITLE left" eval "! xdotool search --name '^$E2E_TITLE\$' >/dev/null 2>&1"
}

# --- Clicking the skinned window ---------------------------------------

# X id of the program's main window.
e2e_main_window_id() {
  xdotool search --name "^$E2E_TITLE\$" 2>/dev/null | head -1
}

# "X Y": the main window's top-left corner on the screen.
e2e_window_origin() {
  local id
  id=$(e2e_main_window_id)
  [ -n "$id" ] || return 1
  xdotool getwindowgeometry --shell "$id" | awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } END { print x, y }'
}

# e2e_layout_entry LAYOUT SECTION KEY: "X Y W H" of KEY in SECTION
# ([BUTTONPOS], [EDIT], [MACRODISPLAY]) of the layout file skins/LAYOUT of
# the scenario's tree (e.g. INI_EN/skin_main_en.ini).
e2e_layout_entry() { python3 "$E2E_ROOT/tests/e2e/vxfiles.py" layout-entry "$E2E_DIR/skins/$1" "$2" "$3"; }

# e2e_macro_record FILE SLOT: "name count code,action,delay ..." of user
# macro SLOT of the macro file FILE (codes in hex, one triple per event).
e2e_macro_record() { python3 "$E2E_ROOT/tests/e2e/vxfiles.py" macro-record "$1" "$2"; }

# e2e_point_into LAYOUT SECTION KEY DY: the pointer DY pixels below the top
# of a control's middle (a line of a list, a field).
e2e_point_into() {
  local ox oy x y w h
  read -r ox oy < <(e2e_window_origin)
  read -r x y w h < <(e2e_layout_entry "$1" "$2" "$3")
  xdotool mousemove $((ox + x + w / 2)) $((oy + y + $4))
}

# shellcheck source=tests/e2e/skin_elements.sh
source "$E2E_ROOT/tests/e2e/skin_elements.sh"

# e2e_element_number LAYOUT NAME: the element's number on the layout's page
# (a number is passed through).
e2e_element_number() {
  [[ "$2" =~ ^[0-9]+$ ]] && { echo "$2"; return 0; }
  local -n names
  case "${1##*/}" in
    skin_main*) names=E2E_ELEMENTS_MAIN ;;
    skin_advance*) names=E2E_ELEMENTS_ADVANCED ;;
    skin_color*) names=E2E_ELEMENTS_COLOR ;;
    LBWarning*) names=E2E_ELEMENTS_WARNING ;;
    *) e2e_fail "no element names for layout $1"; return 1 ;;
  esac
  [ -n "${names[$2]:-}" ] || { e2e_fail "no element $2 in $1"; return 1; }
  echo "${names[$2]}"
}

# e2e_element LAYOUT ELEMENT: "X Y W H" of the element (a name of
# tests/e2e/skin_elements.sh or its number).
e2e_element() {
  local number
  number=$(e2e_element_number "$1" "$2") || return 1
  e2e_layout_entry "$1" BUTTONPOS "$number"
}

# e2e_click LAYOUT KEY [DX]: moves the pointer onto the element (its centre,
# or DX pixels right of its left edge), then clicks the left button. A tab
# or a language element is waited for until the window has repainted: the
# next page's controls must exist before input can reach them.
e2e_click() {
  local ox oy x y w h px before=
  read -r ox oy < <(e2e_window_origin) || { e2e_fail "no main window to click"; return 1; }
  read -r x y w h < <(e2e_element "$1" "$2") || { e2e_fail "no element $2 in $1"; return 1; }
  if [ -n "${3:-}" ]; then px=$((x + $3)); else px=$((x + w / 2)); fi
  if e2e_changes_page "$1" "$2"; then
    xdotool mousemove $((ox + px)) $((oy + y + h / 2))
    e2e_wait_settled
    before=$(e2e_screen_hash)
  fi
  # The server delivers the move before the press, so the program has hit-
  # tested the element by the time the press arrives; whatever checks the
  # click's effect waits for it.
  xdotool mousemove $((ox + px)) $((oy + y + h / 2)) click 1
  [ -z "$before" ] || e2e_wait_repaint "$before" 3 || e2e_log "no repaint after a click on $2"
}

# e2e_changes_page LAYOUT ELEMENT: true for the tabs and language elements.
e2e_changes_page() {
  local number name
  number=$(e2e_element_number "$1" "$2") || return 1
  case "${1##*/}" in skin_main*) ;; *) return 1 ;; esac
  for name in tab_main tab_advanced tab_color lang_cn lang_en; do
    [ "${E2E_ELEMENTS_MAIN[$name]}" = "$number" ] && return 0
  done
  return 1
}

# The thirteen reports a start with the shipped config.ini sends (profile 1).
E2E_FACTORY_START_REPORTS="07 10 01 01 00 00 00 00
07 10 03 03 00 00 00 00
07 10 02 02 00 00 00 00
07 10 04 04 00 00 00 00
07 10 05 05 00 00 00 00
07 10 06 06 00 00 00 00
07 11 00 00 00 00 00 00
07 09 40 48 0F 00 00 00
07 09 40 69 0F 00 00 00
07 09 40 7A 0F 00 00 00
07 09 40 BB 0F 00 00 00
07 13 7F 10 0F 00 00 00
07 12 00 06 00 00 00 00"

# e2e_expect_applied_after LABEL PROFILE COMMAND...: COMMAND (e.g. a
# program brought to the front) makes the program switch to PROFILE and
# apply it: 13 reports, CurConfig and the applied copy [Config6].
e2e_expect_applied_after() {
  local label=$1 profile=$2 from ini=$E2E_DIR/config.ini
  shift 2
  from=$(($(e2e_log_lines) + 1))
  "$@"
  if ! e2e_wait_reports "$from" 13 10; then
    e2e_fail "$label in front: no configuration sent"
    return
  fi
  e2e_eventually 5 eval "[ \"\$(e2e_ini_get '$ini' Init CurConfig)\" = $profile ]" ||
    e2e_fail "$label in front: CurConfig is $(e2e_ini_get "$ini" Init CurConfig), not $profile"
  e2e_expect_eq "$label in front: the applied copy is profile $profile" "$(e2e_section "$ini" "Config$profile")" \
    "$(e2e_section "$ini" Config6)"
  e2e_expect_eq "$label in front: 13 reports" 13 "$(e2e_reports_from "$from" | wc -l)"
}

# e2e_expect_fast_switch WHAT RULE PROFILE COMMAND...: COMMAND brings
# several programs to the front within the settle time; only the last one
# (a WHAT: program or window) is switched to, by rule RULE to PROFILE, once.
e2e_expect_fast_switch() {
  local what=$1 rule=$2 profile=$3 from diags
  shift 3
  from=$(($(e2e_log_lines) + 1))
  diags=$(grep -c DIAG "$E2E_DIR/simmouse.log")
  "$@"
  e2e_wait_reports "$from" 13 10 || e2e_fail "the fast switch's last $what was not applied"
  sleep 1.5  # three times the settle time: anything else to come would have come
  e2e_expect_eq "a fast switch through three windows sends only the last one's profile" 13 \
    "$(e2e_reports_from "$from" | wc -l)"
  e2e_expect_eq "one switch, to the last $what's profile" "per-program profiles: rule $rule -> profile $profile" \
    "$(tail -n +$((diags + 1)) <(grep DIAG "$E2E_DIR/simmouse.log") | cut -d' ' -f3- | grep '^per-program')"
  e2e_expect_eq "CurConfig after the fast switch" "$profile" "$(e2e_ini_get "$E2E_DIR/config.ini" Init CurConfig)"
}

# OUT lines of simmouse.log from line FROM on, as bytes only.
e2e_reports_from() {
  [ -f "$E2E_DIR/simmouse.log" ] || return 0  # not yet written at start
  awk -v from="$1" '$2 == "OUT" && NR >= from { $1 = ""; $2 = ""; sub(/^  /, ""); print }' "$E2E_DIR/simmouse.log"
}

e2e_log_lines() { wc -l <"$E2E_DIR/simmouse.log"; }

# e2e_wait_reports FROM COUNT [SECONDS]: waits until COUNT OUT lines stand
# from line FROM on.
e2e_wait_reports() {
  local from=$1 count=$2 limit=$((${3:-10} * 5)) i
  for ((i = 0; i < limit; i++)); do
    [ "$(e2e_reports_from "$from" | wc -l)" -ge "$count" ] && return 0
    sleep 0.2
  done
  return 1
}

# e2e_ini_get FILE SECTION KEY: the value as the file holds it (any encoding).
e2e_ini_get() { python3 "$E2E_ROOT/tests/e2e/vxfiles.py" ini-get "$@"; }

# e2e_section FILE SECTION: "KEY=VALUE" lines of the section, in file order.
e2e_section() {
  tr -d '\r' <"$1" | awk -v s="[$2]" '/^\[/ { inside = ($0 == s); next } inside && /=/'
}

# Waits until the program runs, its window shows and the start-up apply has
# sent its 13 reports.
e2e_start_and_wait() {
  e2e_start
  if ! e2e_wait_window "$E2E_TITLE" 30 || ! e2e_wait_reports 1 13 15; then
    e2e_fail "the program did not start up"
    e2e_finish
  fi
  e2e_wait_settled
}

# e2e_wait_xwindow REGEX [SECONDS]: waits for an X window whose name
# matches; prints its id.
e2e_wait_xwindow() {
  local limit=$((${2:-10} * 5)) i id
  for ((i = 0; i < limit; i++)); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}

# e2e_file_dialog KIND PATH: in the open ("open") or save ("save") dialog
# the program shows, types the Linux PATH as Wine sees it and confirms. A
# dialog opened for the first time may drop the first keys while it is
# still loading: the file name field is read back and typed again until it
# holds the whole path.
e2e_file_dialog() {
  local title want shown attempt
  if [ "$1" = save ]; then title='^(Save As|另存为)$'; else title='^(Open|打开)$'; fi
  if ! e2e_wait_xwindow "$title" 10 >/dev/null; then
    e2e_fail "no $1 dialog appeared"
    return 1
  fi
  want=$(winepath -w "$2" 2>/dev/null)
  shown=${want//\\/\\\\}  # wintext doubles backslashes
  for attempt in 1 2 3 4 5; do
    sleep 0.5
    xdotool key ctrl+a
    xdotool type --delay 20 "$want"
    sleep 0.3
    e2e_wintext --process "$E2E_EXE" --visible | awk -F'\t' '/^  / { print $4 }' | grep -qxF -- "$shown" && break
  done
  xdotool key Return
  # Until the dialog is gone (a question about replacing a file keeps a
  # window of that title: the caller answers it) and the window beneath has
  # repainted.
  e2e_wait_dialog_gone "$title"
  e2e_wait_settled
}

# e2e_wait_dialog_gone TITLE: until no window of that title shows.
e2e_wait_dialog_gone() {
  local attempt
  for attempt in $(seq 1 15); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  return 1
}

# e2e_screen_hash: a digest of the screen's pixels (the pointer is not
# part of them).
e2e_screen_hash() { import -window root rgb:- 2>/dev/null | md5sum | cut -c1-32; }

# e2e_wait_settled [SECONDS]: waits until the screen holds still (two
# captures a tenth of a second apart agree): what the program was asked to
# paint is on the screen. A caret's blink only delays it.
e2e_wait_settled() {
  local limit=$((${1:-5} * 10)) last= now i
  for ((i = 0; i < limit; i++)); do
    now=$(e2e_screen_hash)
    [ "$now" = "$last" ] && return 0
    last=$now
    sleep 0.1
  done
  return 1
}

# e2e_wait_repaint BEFORE [SECONDS]: waits until the screen differs from
# the digest BEFORE (taken before the input that changes it), then until it
# settles. False when nothing changed in time.
e2e_wait_repaint() {
  e2e_eventually "${2:-5}" e2e_screen_differs "$1" || return 1
  e2e_wait_settled
}
e2e_screen_differs() { [ "$(e2e_screen_hash)" != "$1" ]; }

# e2e_repainted COMMAND...: runs the input COMMAND (an xdotool call) and
# waits until the screen shows what it changed.
e2e_repainted() {
  local before
  e2e_wait_settled
  before=$(e2e_screen_hash)
  "$@" || return 1
  e2e_wait_repaint "$before" || e2e_log "nothing repainted after: $*"
}

# e2e_click_repaint LAYOUT ELEMENT: clicks the element and waits for the
# window to show what the click changed (a page, a pressed button).
e2e_click_repaint() { e2e_repainted e2e_click "$@"; }

# e2e_mtime FILE: the file's modification time (nanoseconds); empty when
# there is no file. e2e_changed_since FILE MTIME: written since then.
e2e_mtime() { stat -c %.9Y "$1" 2>/dev/null; }
e2e_changed_since() { [ "$(e2e_mtime "$1")" != "$2" ]; }

# e2e_eventually SECONDS COMMAND...: true once the command succeeds, tried
# every 0.2 s (for effects that land a moment after a click).
e2e_eventually() {
  local limit=$(($1 * 5)) i
  shift
  for ((i = 0; i < limit; i++)); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

# e2e_file_dialog_filter KIND: the file type the open or save dialog shows
# (its type list, cmb1, holds the chosen filter's name as its text).
e2e_file_dialog_filter() {
  local title
  if [ "$1" = save ]; then title='^(Save As|另存为)$'; else title='^(Open|打开)$'; fi
  e2e_wait_xwindow "$title" 10 >/dev/null || return 1
  e2e_wintext --process "$E2E_EXE" --visible | awk -F'\t' '/^  / && $2 == 1136 && $3 == "ComboBox" { print $4; exit }'
}

# e2e_cancel_file_dialog KIND: Escape in the open or save dialog.
e2e_cancel_file_dialog() {
  local title
  if [ "$1" = save ]; then title='^(Save As|另存为)$'; else title='^(Open|打开)$'; fi
  e2e_wait_xwindow "$title" 10 >/dev/null || { e2e_fail "no $1 dialog appeared"; return 1; }
  sleep 0.5  # a dialog still loading drops keys
  xdotool key Escape
  e2e_wait_dialog_gone "$title" || e2e_fail "the $1 dialog stayed after Escape"
  e2e_wait_settled
}

# e2e_input_handled MAIN_LAYOUT: returns once the program has handled the
# input sent before, seen from the main page: it goes to the advanced page
# and back, and a page is switched only after the input queued before it.
e2e_input_handled() {
  e2e_click "$1" tab_advanced
  e2e_click "$1" tab_main
}

# --- The installer ------------------------------------------------------

# The installer over the simulated-mouse program (same script as the
# release installer, built by the windows preset in release-sim/) is a test
# build: its own name, folder, entries and start-with-Windows value.
E2E_INSTALL_NAME=VX230-test
E2E_PRODUCT='VX230 Gaming Mouse Driver (test build, simulated mouse)'
E2E_UNINSTALL_KEY="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$E2E_INSTALL_NAME"
E2E_RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

e2e_installer() {
  ls "$E2E_WIN_BUILD"/release-sim/ZUV_GMouse-sim-*-setup.exe 2>/dev/null | head -1
}

# Switches to a new Wine prefix of the scenario's own (build/e2e/NAME/prefix),
# as on a machine where the program was never installed. Shortcuts do not
# reach the Linux desktop (winemenubuilder off).
e2e_fresh_prefix() {
  export WINEPREFIX=$E2E_DIR/prefix
  export WINEDLLOVERRIDES='winemenubuilder.exe=d'
  rm -rf "$WINEPREFIX"
  e2e_prepare_prefix
}

# Linux path of a Windows folder variable of the prefix (e.g. LOCALAPPDATA).
e2e_windows_folder() {
  winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null
}

# e2e_reg_value KEY NAME: the value's data, empty when absent.
e2e_reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v n="$2" '$1 == n { sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, ""); print }'
}

# Runs the installer (or an uninstaller) with ARGS and waits until it and
# every process it started in the prefix have ended (the uninstaller runs
# from a copy in the temporary folder).
e2e_run_setup() {
  local exe=$1
  shift
  timeout 120 wine "$exe" "$@" >/dev/null 2>&1
  timeout 120 wineserver -w
}

# Ends the fresh prefix's processes and, when the scenario passed, deletes
# it (about 700 MB); a failed scenario keeps it to look into.
e2e_drop_fresh_prefix() {
  e2e_cleanup
  [ "$E2E_FAILED" -eq 0 ] && rm -rf "$WINEPREFIX"
}

# --- Faults --------------------------------------------------------------

# True when nothing in the prefix crashed: no winedbg process (Wine's crash
# handler, whose "Program Error" box waits for a click), no crash window, no
# unhandled exception reported in the scenario's Wine output.
e2e_no_crash() {
  local dbg windows
  dbg=$(e2e_wintext --process winedbg.exe --paths | grep -c .)
  windows=$(xdotool search --name '^(Program Error|程序错误)$' 2>/dev/null | grep -c .)
  [ "$dbg" = 0 ] && [ "$windows" = 0 ] && ! grep -qs 'Unhandled' "$E2E_DIR"/wine-*.log
}

# "handles=N threads=N working_set_kb=N pagefile_kb=N" of the running
# program, as the system counts them (wintext --usage).
e2e_process_usage() {
  e2e_wintext --process "$E2E_EXE" --usage | head -1 | cut -d' ' -f2-
}

# e2e_set_macro_repeat FILE INDEX COUNT: record INDEX of a macro file plays
# COUNT passes (its repeat flag on); every other byte stays.
e2e_set_macro_repeat() { python3 "$E2E_ROOT/tests/e2e/vxfiles.py" macro-set-repeat "$@"; }

# e2e_ctl ARGS...: vx230ctl of the scenario's tree; prints its standard
# output without CR, keeps its standard error in E2E_CTL_ERR (a file) and
# returns its exit code.
E2E_CTL_ERR=
e2e_ctl() {
  local code
  E2E_CTL_ERR=$E2E_DIR/ctl-stderr.log
  (cd "$E2E_DIR" && wine vx230ctl.exe "$@" 2>"$E2E_CTL_ERR" >"$E2E_DIR/ctl-stdout.log")
  code=$?
  tr -d '\r' <"$E2E_DIR/ctl-stdout.log"
  return $code
}

# e2e_ctl_raw LINE | e2e_ctl_raw --long N: the line as it is (or N letters)
# straight to the program, past vx230ctl's checks; prints the answer line.
e2e_ctl_raw() { wine "$E2E_WIN_BUILD/tools/ctlsend.exe" "$@" 2>/dev/null | tr -d '\r'; }

# e2e_ctl_path PATH: the file's name as vx230ctl of this platform takes it.
e2e_ctl_path() { winepath -w "$1" 2>/dev/null; }

# The native Linux program: its own versions of the functions above.
if [ "$E2E_PLATFORM" = linux ]; then
  source "$E2E_ROOT/tests/e2e/lib_linux.sh"
fi
