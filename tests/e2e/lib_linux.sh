# The native Linux program's side of lib.sh (sourced by it when
# VX_E2E_PLATFORM=linux): the program is build/linux/vx230-sim (or vx230),
# its tree is the user folder it picks, $XDG_CONFIG_HOME/vx230-sim, under a
# throwaway home per scenario; windows are found with xdotool, texts the
# window system cannot give are read through the clipboard; the pointer
# speed is the desktop's (gsettings, a key file in the scenario's home).

E2E_LINUX_BUILD=${VX_LINUX_BUILD_DIR:-$E2E_ROOT/build/linux}
# An installed program (e.g. /usr/bin/vx230 of the .deb) instead of the build's.
E2E_INSTALLED=${VX_LINUX_PROGRAM:-}
E2E_OUT=$E2E_ROOT/build/e2e-linux
E2E_EXE=vx230-sim
E2E_PROGRAM=$E2E_LINUX_BUILD/$E2E_EXE
E2E_HOME=
E2E_BUS_PID=
# The desktop the scenarios stand for: GNOME's mouse settings (gsettings,
# kept in a key file of the scenario's home).
export QT_QPA_PLATFORM=xcb GSETTINGS_BACKEND=keyfile XDG_CURRENT_DESKTOP=GNOME
unset XDG_SESSION_TYPE WAYLAND_DISPLAY

e2e_prepare_prefix() { :; }

# A check still on the Windows helper fails the scenario, even when called
# inside $(...), where e2e_fail alone would not reach the scenario's shell.
e2e_wintext() {
  echo "wintext is a Windows helper: this check needs a native counterpart" >&2
  : >"$E2E_HOME/wintext-called"
  return 1
}

# e2e_begin NAME TREE: TREE dist-sim is vx230-sim, dist is vx230. The home
# build/e2e-linux/NAME gets the program's tree filled from the staged data
# (real copies, so a scenario may change any file); the program keeps what
# it finds there.
e2e_begin() {
  E2E_NAME=$1
  case $2 in
    dist-sim) E2E_EXE=vx230-sim ;;
    dist) E2E_EXE=vx230 ;;
    *) e2e_fail "no native program for the tree $2"; exit 1 ;;
  esac
  E2E_PROGRAM=${E2E_INSTALLED:-$E2E_LINUX_BUILD/$E2E_EXE}
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM
  if [ ! -x "$E2E_PROGRAM" ] || { [ -z "$E2E_INSTALLED" ] && [ ! -f "$E2E_LINUX_BUILD/data/config.ini" ]; }; then
    e2e_fail "$E2E_PROGRAM is missing: build the linux preset first"
    exit 1
  fi
  E2E_HOME=$E2E_OUT/$E2E_NAME
  E2E_DIR=$E2E_HOME/$E2E_EXE
  rm -rf "$E2E_HOME"
  mkdir -p "$E2E_HOME/run"
  chmod 700 "$E2E_HOME/run"
  if [ -n "$E2E_INSTALLED" ]; then
    # Only the files the user edits; the program links the rest itself.
    mkdir -p "$E2E_DIR"
    cp "$(dirname "$E2E_INSTALLED")/../share/vx230/"{config.ini,Macro_EN.dat,Macro_CN.dat} "$E2E_DIR/"
    chmod u+w "$E2E_DIR"/*
  else
    cp -rL "$E2E_LINUX_BUILD/data" "$E2E_DIR"
  fi
  # A session of its own: the single-instance lock and the settings.
  export HOME=$E2E_HOME XDG_CONFIG_HOME=$E2E_HOME XDG_RUNTIME_DIR=$E2E_HOME/run
}

e2e_start() {
  local n=${#E2E_PIDS[@]}
  (cd "$E2E_DIR" && exec "$E2E_PROGRAM" "$@") >"$E2E_DIR/out-$n.log" 2>&1 &
  E2E_LAST_PID=$!
  E2E_PIDS+=("$E2E_LAST_PID")
}

# X windows of the running programs of this scenario, one id per line;
# extra arguments go to xdotool search (--onlyvisible, --name REGEX).
e2e_x_windows() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do
    kill -0 "$pid" 2>/dev/null || continue
    xdotool search --all --pid "$pid" "$@" 2>/dev/null
  done
}

e2e_window_count() { e2e_x_windows --name "^$1\$" | grep -c .; }
e2e_visible_window_count() { e2e_x_windows --onlyvisible --name "^$1\$" | grep -c .; }

e2e_program_window_count() {
  if [ "${1:-}" = visible ]; then
    e2e_x_windows --onlyvisible | grep -c .
  else
    e2e_x_windows | grep -c .
  fi
}

# e2e_give_keyboard ID: the window gets the keyboard (no window manager
# here: the focus is set directly).
e2e_give_keyboard() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1" 2>/dev/null
}

# Copies with Ctrl+C in the window that has the keyboard; prints the clipboard.
e2e_copy_clipboard() {
  # xclip stays to serve the emptied clipboard: its output must not hold ours.
  printf '' | xclip -selection clipboard >/dev/null 2>&1
  xdotool key ctrl+c
  e2e_clipboard_text
}

# The clipboard's text once the program has put something there (empty
# after two seconds).
e2e_clipboard_text() {
  local out attempt
  for attempt in $(seq 1 20); do
    out=$(xclip -o -selection clipboard 2>/dev/null) && [ -n "$out" ] && break
    sleep 0.1
  done
  printf '%s\n' "$out"
}

# A message box copies itself on Ctrl+C: its title, its text and its
# buttons between dashed lines.
e2e_message_box_copy() {
  local id out attempt
  id=$(e2e_x_windows --onlyvisible --name "^$1\$" | head -1)
  [ -n "$id" ] || return 1
  for attempt in 1 2 3; do
    e2e_give_keyboard "$id"
    out=$(e2e_copy_clipboard)
    [[ $out == ---* ]] && break
  done
  printf '%s\n' "$out" | awk '/^-+$/ { part++; next } { print part ": " $0 }'
}

e2e_window_texts() { e2e_message_box_copy "$1" | awk -F': ' '$1 == 2 { sub(/^2: /, ""); print }'; }

e2e_window_buttons() {
  e2e_message_box_copy "$1" | awk '/^3: / { sub(/^3: /, ""); n = split($0, b, /   +/); for (i = 1; i <= n; i++) if (b[i] != "") { gsub(/&/, "", b[i]); print b[i] } }'
}

e2e_thread_count() { ls "/proc/$E2E_LAST_PID/task" 2>/dev/null | grep -c .; }

# Qt's questions default to No.
e2e_answer_yes() { xdotool key alt+y; }

e2e_field_text() {
  xdotool key ctrl+a
  e2e_copy_clipboard
}

e2e_press_ok() {
  local id
  id=$(e2e_x_windows --onlyvisible --name "^$1\$" | head -1)
  [ -n "$id" ] || return 1
  e2e_give_keyboard "$id"
  xdotool key Return
}

# A close request as a window manager sends it (WM_DELETE_WINDOW).
e2e_close_window() {
  local id
  for id in $(e2e_x_windows --name "^$1\$"); do
    python3 - "$id" <<'PY'
import ctypes, sys
x = ctypes.cdll.LoadLibrary('libX11.so.6')
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
class ClientMessage(ctypes.Structure):
    _fields_ = [('type', ctypes.c_int), ('serial', ctypes.c_ulong), ('send_event', ctypes.c_int),
                ('display', ctypes.c_void_p), ('window', ctypes.c_ulong), ('message_type', ctypes.c_ulong),
                ('format', ctypes.c_int), ('data', ctypes.c_long * 5), ('pad', ctypes.c_long * 12)]
d = x.XOpenDisplay(None)
window = int(sys.argv[1])
event = ClientMessage(type=33, window=window, format=32)  # ClientMessage
event.message_type = x.XInternAtom(d, b'WM_PROTOCOLS', 0)
event.data[0] = x.XInternAtom(d, b'WM_DELETE_WINDOW', 0)
x.XSendEvent(d, window, 0, 0, ctypes.byref(event))
x.XFlush(d)
PY
  done
}

# The desktop's pointer speed on the Windows scale 1..20, mapped as the
# program maps it.
e2e_mouse_sensitivity() {
  gsettings get org.gnome.desktop.peripherals.mouse speed 2>/dev/null |
    awk '{ s = $1 + 0; v = s <= 0 ? 10 + 9 * s : 10 + 10 * s; printf "%d\n", (v < 0 ? v - 0.5 : v + 0.5) }'
}

e2e_set_mouse_sensitivity() {
  gsettings set org.gnome.desktop.peripherals.mouse speed \
    "$(awk -v p="$1" 'BEGIN { printf "%.4f", p <= 10 ? (p - 10) / 9 : (p - 10) / 10 }')" 2>/dev/null
}

# e2e_file_dialog KIND PATH: the program's Qt file dialog ("Save As" or
# "Open"); the file name field has the keyboard.
e2e_file_dialog() {
  local title id attempt
  if [ "$1" = save ]; then title='^Save As$'; else title='^Open$'; fi
  if ! id=$(e2e_wait_xwindow "$title" 10); then
    e2e_fail "no $1 dialog appeared"
    return 1
  fi
  e2e_wait_settled  # painted: its file name field takes keys
  e2e_give_keyboard "$id"
  xdotool key ctrl+a
  xdotool type --delay 20 "$2"
  xdotool key Return
  e2e_wait_dialog_gone "$title"
}

# e2e_file_dialog_filter KIND: the file type the Qt dialog shows. The type
# list follows the file name field: its open list copies the chosen line
# on Ctrl+C. The keyboard goes back to the file name field.
e2e_file_dialog_filter() {
  local title id attempt shown=
  if [ "$1" = save ]; then title='^Save As$'; else title='^Open$'; fi
  id=$(e2e_wait_xwindow "$title" 10) || return 1
  e2e_wait_settled
  e2e_give_keyboard "$id"
  printf '' | xclip -selection clipboard >/dev/null 2>&1
  xdotool key Tab alt+Down
  # The open list is a window of its own: copy only once it is there, as
  # Escape without it would cancel the dialog.
  for attempt in $(seq 1 15); do
    [ "$(e2e_x_windows --onlyvisible | wc -l)" -gt 2 ] && { shown=yes; break; }
    sleep 0.2
  done
  [ -n "$shown" ] || { xdotool key shift+Tab; return 1; }
  xdotool key ctrl+c
  e2e_clipboard_text
  # The open list holds the keyboard until it has closed.
  xdotool key Escape
  e2e_eventually 3 e2e_list_closed
  xdotool key shift+Tab
}
e2e_list_closed() { [ "$(e2e_x_windows --onlyvisible | wc -l)" -le 2 ]; }

e2e_cancel_file_dialog() {
  local title id
  if [ "$1" = save ]; then title='^Save As$'; else title='^Open$'; fi
  id=$(e2e_wait_xwindow "$title" 10) || { e2e_fail "no $1 dialog appeared"; return 1; }
  e2e_wait_settled
  e2e_give_keyboard "$id"
  xdotool key Escape
  e2e_wait_dialog_gone "$title"
}

# No crash: no fatal signal or sanitizer report in the program's output.
e2e_no_crash() {
  ! grep -qsE 'Segmentation fault|Aborted|core dumped|AddressSanitizer|runtime error' "$E2E_DIR"/out-*.log
}

# A private bus in the place of the system bus for the programs started
# after it (no logind, no RealtimeKit on it unless a scenario puts them there).
e2e_private_system_bus() {
  local out
  out=$(dbus-daemon --config-file="$E2E_ROOT/tests/e2e/linux/test_system_bus.conf" --fork \
    --print-address=1 --print-pid=1) || return 1
  export DBUS_SYSTEM_BUS_ADDRESS=$(sed -n 1p <<<"$out")
  E2E_BUS_PID=$(sed -n 2p <<<"$out")
  [ -n "$DBUS_SYSTEM_BUS_ADDRESS" ] && [ -n "$E2E_BUS_PID" ]
}

# Lines on record that contain TEXT, counted: the standard error of this
# scenario's programs has them all (simmouse.log only those after the
# simulated mouse was first looked for).
e2e_diag_count() { cat "$E2E_DIR"/out-*.log 2>/dev/null | grep -F "ZUV_GMouse: " | grep -cF -- "$1"; }

e2e_cleanup() {
  local pid
  [ -n "$E2E_BUS_PID" ] && kill "$E2E_BUS_PID" 2>/dev/null
  E2E_BUS_PID=
  [ -f "$E2E_HOME/wintext-called" ] && e2e_fail "a check called the Windows helper wintext"
  rm -f "$E2E_HOME/wintext-called"
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${E2E_PIDS[@]}"; do
    e2e_wait_exit "$pid" 3 || kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  E2E_PIDS=()
}

# vx230ctl beside the program (the build's, or the installed one).
e2e_ctl() {
  local code
  E2E_CTL_ERR=$E2E_DIR/ctl-stderr.log
  (cd "$E2E_DIR" && exec "$(dirname "$E2E_PROGRAM")/vx230ctl" "$@") 2>"$E2E_CTL_ERR" >"$E2E_DIR/ctl-stdout.log"
  code=$?
  cat "$E2E_DIR/ctl-stdout.log"
  return $code
}

e2e_ctl_path() { printf '%s\n' "$1"; }

e2e_ctl_raw() {
  python3 - "$XDG_RUNTIME_DIR/CZUV_GMouseApp.socket" "$@" <<'PY'
import socket, sys
line = "a" * int(sys.argv[3]) if sys.argv[2] == "--long" else sys.argv[2]
s = socket.socket(socket.AF_UNIX)
s.settimeout(10)
s.connect(sys.argv[1])
s.sendall(line.encode() + b"\n")
answer = b""
while not answer.endswith(b"\n"):
    chunk = s.recv(4096)
    if not chunk:
        break
    answer += chunk
print(answer.decode().rstrip("\n"))
PY
}
