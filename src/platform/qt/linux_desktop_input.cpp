#include "platform/qt/linux_desktop_input.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/portable/ini_document.h"

namespace vx::platform {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool DesktopListHas(std::string_view list, std::initializer_list<std::string_view> names) {
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t colon = std::min(list.find(':', start), list.size());
        const std::string entry = Lower(list.substr(start, colon - start));
        for (std::string_view name : names) {
            if (entry == name) return true;
        }
        start = colon + 1;
    }
    return false;
}

enum class Session { Wayland, X11, Neither };

Session SessionOf(const SessionFacts& facts) {
    const std::string type = Lower(facts.sessionType);
    if (type == "wayland") return Session::Wayland;
    if (type == "x11") return Session::X11;
    // A console login or no type at all: the displays tell.
    if (facts.waylandDisplay) return Session::Wayland;
    if (facts.x11Display) return Session::X11;
    return Session::Neither;
}

}  // namespace

DesktopInputPlan DesktopInputPlanFor(const SessionFacts& facts) {
    const Session session = SessionOf(facts);
    if (DesktopListHas(facts.currentDesktop, {"kde"})) {
        switch (session) {
            case Session::Wayland: return {PointerSpeedRoute::PlasmaWayland, true};
            case Session::X11: return {PointerSpeedRoute::PlasmaX11, true};
            case Session::Neither: return {PointerSpeedRoute::Unsupported, true};
        }
    }
    // These desktops keep their mouse in the GNOME settings, on X11 and Wayland alike.
    if (DesktopListHas(facts.currentDesktop, {"gnome", "unity", "budgie", "pantheon"})) {
        return {PointerSpeedRoute::GnomeSettings, false};
    }
    if (session == Session::X11) return {PointerSpeedRoute::XInput, false};
    return {PointerSpeedRoute::Unsupported, false};
}

const char* RouteName(PointerSpeedRoute route) {
    switch (route) {
        case PointerSpeedRoute::GnomeSettings: return "GNOME";
        case PointerSpeedRoute::PlasmaX11: return "Plasma (X11)";
        case PointerSpeedRoute::PlasmaWayland: return "Plasma (Wayland)";
        case PointerSpeedRoute::XInput: return "XInput";
        case PointerSpeedRoute::Unsupported: break;
    }
    return "none";
}

unsigned DesktopWheelLines(unsigned lines) { return std::max(lines, 1U); }

std::string KeyFileNumber(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    if (text == "-0") text = "0";
    return text;
}

std::optional<std::string> KeyFileEntry(std::string_view text, std::string_view group, std::string_view key) {
    return IniDocument::Parse(text).Find(group, key);
}

std::string WithKeyFileEntry(std::string_view text, std::string_view group, std::string_view key,
                             std::string_view value) {
    IniDocument document = IniDocument::Parse(text);
    document.Set(group, key, value);
    // The desktop's files are UTF-8 with Unix line ends.
    std::string result;
    for (const std::string& line : document.Lines()) {
        result += line;
        result += '\n';
    }
    return result;
}

}  // namespace vx::platform
