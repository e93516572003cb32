#pragma once
// One configuration as a section of an INI file: the section names, the 22
// keys and their value rules, and the built-in defaults of configuration 1.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/profile_files.h"
#include "settings/mouse_config.h"

namespace vx::settings {

// Read buffers, terminator included: most values are read as 4 characters,
// the DPI steps and their enable flags as 9.
inline constexpr std::size_t kShortValueCapacity = 5;
inline constexpr std::size_t kDpiValueCapacity = 10;

inline constexpr const char* kInitSection = "Init";
inline constexpr const char* kCurConfigKey = "CurConfig";
inline constexpr const char* kLanguageKey = "VER_SEL";

// "Config<n>".
std::string ConfigSection(std::int32_t number);
// "CfgReset<n>", or "CfgReset_EN5" for configuration 5 in English.
std::string FactorySection(std::int32_t number, UiLanguage language);

// Reads the 22 keys of `section`; a missing file, section or key gives 0.
MouseConfig ReadConfigSection(platform::ProfileFiles& profiles, const std::string& file, const std::string& section);

// The 22 keys with their "%d" texts, in the order a section is written.
std::vector<platform::ProfileEntry> ConfigEntries(const MouseConfig& config);

// Configuration 1 as shipped. MACRO_MODE2 has no factory value: it is taken
// from `current`.
MouseConfig FactoryDefaultConfig1(const MouseConfig& current);

}  // namespace vx::settings
