#pragma once
// The per-program profiles in config.ini's [AutoSwitch] section, which only
// these two functions read or write: the rest of the program (and older
// versions of it) never look at it, and a file without it means "off".
//
//   [AutoSwitch]
//   Enabled=1
//   Fallback=0            0: the profile from before the first switch; 1..5
//   Rules=2
//   Rule1=2|program|game.exe
//   Rule2=3|folder|C:\Games\Launcher
//
// A rule's pattern is everything after the second '|', so it may hold '|'.
#include <string>

#include "platform/diagnostics.h"
#include "platform/profile_files.h"
#include "platform/program_rules.h"

namespace vx::settings {

inline constexpr const char* kAutoSwitchSection = "AutoSwitch";
inline constexpr std::size_t kMaxProgramRules = 200;

// Rules that cannot be read are left out, each put on record once.
platform::ProgramRules ReadProgramRules(platform::ProfileFiles& profiles, const std::string& file,
                                        platform::Diagnostics& diagnostics);

// Rewrites the section as one change; the other sections are untouched.
// Keys of rules beyond the new count are emptied.
bool WriteProgramRules(platform::ProfileFiles& profiles, const std::string& file, const platform::ProgramRules& rules);

// The on/off switch alone.
bool WriteProgramRulesEnabled(platform::ProfileFiles& profiles, const std::string& file, bool enabled);

}  // namespace vx::settings
