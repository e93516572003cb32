#pragma once
// The Linux program's decisions that need no Qt: where the user's tree and
// the installed data live, the pointer-speed scale of the desktop, and which
// Linux programs stand for the Windows ones the mouse's buttons start.
#include <optional>
#include <string>
#include <vector>

#include "platform/foreground_watch.h"
#include "platform/shell.h"

namespace vx::platform {

// "$XDG_CONFIG_HOME/<name>", or "$HOME/.config/<name>" when XDG_CONFIG_HOME
// is unset or not absolute; nothing when neither is known.
std::optional<std::string> UserTreeDir(const char* xdgConfigHome, const char* home, const std::string& name);

// Fills the user's tree from the installed, read-only data: the files the
// program writes (config.ini, the user macro files) are copied only when
// missing, so the user's settings are never replaced; the read-only parts
// (skins, the user guide, the constant macros) are links to the data, so
// a newer package brings its pictures at once. Returns an error text, or
// nothing when the tree is ready.
std::optional<std::string> PrepareUserTree(const std::string& dataDir, const std::string& userDir);

// A Windows dialog filter ("Name(*.dat)|*.dat||") as the name filters of
// a Qt file dialog, which reads the patterns from the name's brackets: the
// name as it is ("Name(*.dat)") when they are the pattern field's, else the
// name with the patterns in new brackets ("Name (*.dat)"; "a;b" becomes
// "a b" and "*.*" becomes "*", since Linux file names need no dot).
std::vector<std::string> NameFiltersFrom(const std::string& windowsFilter);

// The Windows pointer speed 1..20 (10 the default) against the GNOME mouse
// speed -1..1 (0 the default): each half of the scale is linear, so that
// the defaults meet and both ends are reached.
double DesktopSpeedFromPointerSpeed(int pointerSpeed);
int PointerSpeedFromDesktopSpeed(double desktopSpeed);

// The Linux programs, best first, that stand for a program a button starts.
std::vector<std::string> LinuxProgramsFor(SystemProgram program);

// The real-time priority the device workers ask for, within the highest
// the system grants (RealtimeKit's MaxRealtimePriority): low in the range,
// so that sound servers stay above them. 0 when nothing is granted.
unsigned WorkerRealtimePriority(long long maxGranted);

// What the watch on the program in front can see, from the session's
// variables (null when unset): every program on an X11 session, only the
// X11 programs' windows on Wayland (through XWayland), nothing without an
// X display.
ForegroundReach ForegroundReachOf(const char* display, const char* sessionType, const char* waylandDisplay);

}  // namespace vx::platform
