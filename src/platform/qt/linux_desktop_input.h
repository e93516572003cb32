#pragma once
// Which of the desktop's own settings stand for the pointer speed and the
// wheel's line count, decided from the session the program runs in, and
// the small text work on the desktop's key files. No Qt, no X11: the
// backend (linux_system_settings.cpp) does the reading and writing.
#include <optional>
#include <string>
#include <string_view>

namespace vx::platform {

// Where the pointer speed goes.
enum class PointerSpeedRoute {
    GnomeSettings,  // gsettings org.gnome.desktop.peripherals.mouse speed
    PlasmaX11,      // kcminputrc [Mouse] XLbInptPointerAcceleration, applied through XInput
    PlasmaWayland,  // KWin's input devices over the session bus (KWin keeps them itself)
    XInput,         // "libinput Accel Speed" of every pointer, through XInput
    Unsupported,    // nothing the program knows of
};

struct DesktopInputPlan {
    PointerSpeedRoute pointer = PointerSpeedRoute::Unsupported;
    // kdeglobals [KDE] WheelScrollLines; no other desktop has a line count.
    bool plasmaWheelLines = false;

    bool operator==(const DesktopInputPlan&) const = default;
};

// What the environment says of the session: XDG_CURRENT_DESKTOP (a list
// separated by ':'), XDG_SESSION_TYPE, and whether WAYLAND_DISPLAY and
// DISPLAY are set (they decide when the session type is not given).
struct SessionFacts {
    std::string currentDesktop;
    std::string sessionType;
    bool waylandDisplay = false;
    bool x11Display = false;
};

DesktopInputPlan DesktopInputPlanFor(const SessionFacts& session);

// A short name of the route for the record ("GNOME", "Plasma (X11)", ...).
const char* RouteName(PointerSpeedRoute route);

// The wheel's line count as the desktop stores it: at least one line.
unsigned DesktopWheelLines(unsigned lines);

// A number as the desktop's key files hold it: at most three decimals,
// no trailing zeros ("0.5", "-0.111", "1").
std::string KeyFileNumber(double value);

// The value of `key` in `group` of a KDE key file's text; nothing when
// missing. A group named "A][B" in the file is written "[A][B]".
std::optional<std::string> KeyFileEntry(std::string_view text, std::string_view group, std::string_view key);

// The key file's text with `key` in `group` set to `value`: the line is
// replaced in place, or added to its group, or the group is added at the
// end. Every other line stays as it was; lines end with '\n'.
std::string WithKeyFileEntry(std::string_view text, std::string_view group, std::string_view key,
                             std::string_view value);

}  // namespace vx::platform
