#include "platform/qt/linux_desktop.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace vx::platform {
namespace fs = std::filesystem;

std::optional<std::string> UserTreeDir(const char* xdgConfigHome, const char* home, const std::string& name) {
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') return std::string(xdgConfigHome) + "/" + name;
    if (home != nullptr && home[0] == '/') return std::string(home) + "/.config/" + name;
    return std::nullopt;
}

namespace {

// What the program writes: the user's own copies.
constexpr const char* kUserFiles[] = {"config.ini", "Macro_EN.dat", "Macro_CN.dat"};
// What it only reads: links into the installed data.
constexpr const char* kSharedParts[] = {"constMacro.dat", "skins", "help"};

}  // namespace

std::optional<std::string> PrepareUserTree(const std::string& dataDir, const std::string& userDir) {
    std::error_code error;
    fs::create_directories(userDir, error);
    if (error) return "cannot create " + userDir + ": " + error.message();
    for (const char* name : kUserFiles) {
        const fs::path target = fs::path(userDir) / name;
        if (fs::exists(target, error)) continue;
        fs::copy_file(fs::path(dataDir) / name, target, error);
        if (error) return "cannot copy " + std::string(name) + " into " + userDir + ": " + error.message();
        // The installed data is read-only; the user's copy must be writable.
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    }
    for (const char* name : kSharedParts) {
        const fs::path link = fs::path(userDir) / name;
        const fs::path source = fs::absolute(fs::path(dataDir) / name, error);
        if (fs::is_symlink(link, error) && fs::read_symlink(link, error) == source) continue;
        // A stale link (an older install elsewhere) is replaced; a real
        // file or folder the user put there is kept.
        if (fs::is_symlink(link, error)) fs::remove(link, error);
        if (fs::exists(link, error)) continue;
        fs::create_symlink(source, link, error);
        if (error) return "cannot link " + std::string(name) + " into " + userDir + ": " + error.message();
    }
    return std::nullopt;
}

namespace {

std::vector<std::string> Words(const std::string& text, char separator) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        if (end > start) words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// Whether a Qt dialog reads from the shown name's brackets ("Name(*.a *.b)",
// split at blanks) the very patterns of the Windows pattern field ("*.a;*.b").
bool NameCarriesPatterns(const std::string& name, const std::string& patterns) {
    const std::size_t open = name.rfind('(');
    if (open == std::string::npos || name.back() != ')') return false;
    const std::string inside = name.substr(open + 1, name.size() - open - 2);
    // Qt takes a bracket for the pattern list only when it holds nothing else.
    const auto patternCharacter = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 ||
               std::string_view("_.,*? +;#-[]@{}/!<>$%&=^~:|").find(c) != std::string_view::npos;
    };
    if (!std::all_of(inside.begin(), inside.end(), patternCharacter)) return false;
    const std::vector<std::string> shown = Words(inside, ' ');
    return !shown.empty() && shown == Words(patterns, ';');
}

}  // namespace

std::vector<std::string> NameFiltersFrom(const std::string& windowsFilter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < windowsFilter.size()) {
        const std::size_t bar = windowsFilter.find('|', start);
        const std::size_t end = bar == std::string::npos ? windowsFilter.size() : bar;
        parts.push_back(windowsFilter.substr(start, end - start));
        start = end + 1;
    }
    std::vector<std::string> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string name = parts[i];
        std::string patterns = parts[i + 1];
        if (name.empty() || patterns.empty()) break;
        // The name as Windows shows it, when Qt finds the same patterns in it
        // ("*.*" is not one of them: on Linux it leaves out names without a dot).
        if (patterns.find("*.*") == std::string::npos && NameCarriesPatterns(name, patterns)) {
            filters.push_back(name);
            continue;
        }
        // Else the bracket is made anew from the patterns.
        if (const std::size_t open = name.rfind('('); open != std::string::npos && name.back() == ')') {
            name.erase(open);
        }
        while (!name.empty() && name.back() == ' ') name.pop_back();
        std::replace(patterns.begin(), patterns.end(), ';', ' ');
        for (std::size_t at = patterns.find("*.*"); at != std::string::npos; at = patterns.find("*.*", at)) {
            patterns.replace(at, 3, "*");
        }
        filters.push_back(name + " (" + patterns + ")");
    }
    return filters;
}

double DesktopSpeedFromPointerSpeed(int pointerSpeed) {
    const int speed = std::clamp(pointerSpeed, 1, 20);
    return speed <= 10 ? (speed - 10) / 9.0 : (speed - 10) / 10.0;
}

int PointerSpeedFromDesktopSpeed(double desktopSpeed) {
    const double speed = std::clamp(desktopSpeed, -1.0, 1.0);
    const double scaled = speed <= 0 ? 10 + 9 * speed : 10 + 10 * speed;
    return std::clamp(static_cast<int>(std::lround(scaled)), 1, 20);
}

std::vector<std::string> LinuxProgramsFor(SystemProgram program) {
    if (program == SystemProgram::Calculator) return {"gnome-calculator", "kcalc", "galculator", "xcalc"};
    return {"x-terminal-emulator", "gnome-terminal", "konsole", "xterm"};
}

unsigned WorkerRealtimePriority(long long maxGranted) {
    constexpr long long kWanted = 5;
    return static_cast<unsigned>(std::clamp(maxGranted, 0LL, kWanted));
}

ForegroundReach ForegroundReachOf(const char* display, const char* sessionType, const char* waylandDisplay) {
    if (display == nullptr || display[0] == '\0') return ForegroundReach::Nothing;
    const bool wayland = (sessionType != nullptr && std::string_view(sessionType) == "wayland") ||
                         (waylandDisplay != nullptr && waylandDisplay[0] != '\0');
    return wayland ? ForegroundReach::X11Programs : ForegroundReach::EveryProgram;
}

}  // namespace vx::platform
