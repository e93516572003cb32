#pragma once
// The per-program profiles as plain data: which program in front asks for
// which of the five configurations. The rules live in config.ini's
// [AutoSwitch] section (settings/auto_switch_file.*); the dialog of each
// backend edits them; the watch reports the program in front.
#include <cstdint>
#include <string>
#include <vector>

namespace vx::platform {

// How a rule names a program: its executable's file name, a folder any
// program under which matches (games started by a launcher), or the X11
// window class (Wine and Proton games all run as wine64-preloader).
enum class RuleMatch { ProgramFile, Folder, WindowClass };

struct ProgramRule {
    RuleMatch match = RuleMatch::ProgramFile;
    std::string pattern;      // file name, folder path or window class (UTF-8)
    std::int32_t config = 1;  // 1..5
    bool operator==(const ProgramRule&) const = default;
};

// 0 as the fallback: the configuration that was current before the first
// automatic switch comes back when the program in front matches no rule.
inline constexpr std::int32_t kFallbackToPrevious = 0;

struct ProgramRules {
    bool enabled = false;
    std::vector<ProgramRule> rules;               // in order; the first match wins
    std::int32_t fallback = kFallbackToPrevious;  // or 1..5
    bool operator==(const ProgramRules&) const = default;
};

// The program whose window is in front, as the watch sees it.
struct ForegroundProgram {
    std::string path;  // full path of the executable; empty when unknown
    // The X11 window class property: class and instance name; empty on Windows.
    std::string windowClass;
    std::string windowInstance;
    bool ownProgram = false;  // one of this program's own windows or dialogs
    bool operator==(const ForegroundProgram&) const = default;
};

}  // namespace vx::platform
