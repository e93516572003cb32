#pragma once
// Moves the one MouseConfig of the program between memory and config.ini
// (or an exchange file), and reads the two [Init] selectors.
//
// Every call builds its own section names, so calls from the interface and
// the action-player threads share no scratch text. The MouseConfig is only
// touched under ConfigLock; files are read and written outside it. A write
// returns false when it failed; the program goes on with what it has.
#include <cstdint>
#include <string>

#include "platform/profile_files.h"
#include "settings/settings_store.h"

namespace vx::settings {

enum class ConfigSource {
    UserSection,      // [Config<number>]
    FactoryDefaults,  // the factory section of that number for the interface language
};

// Fills every field of the configuration from the section `source` names.
// CurrentConfigNumber is left alone.
void LoadConfig(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& file, std::int32_t number,
                ConfigSource source);

// Writes the 22 keys into [Config<number>] as one change, creating the file
// or section when missing.
bool SaveConfig(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& file,
                std::int32_t number);

// Writes only DPI_LEVEL / USB_SPEED into [Config<number>]; called by the
// action player after the mouse changed the value.
bool SaveDpiLevel(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& file,
                  std::int32_t number);
bool SaveUsbSpeed(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& file,
                  std::int32_t number);

// [Init] VER_SEL, low 8 bits (0 Chinese, 1 English).
std::uint8_t ReadLanguage(platform::ProfileFiles& profiles, const std::string& file);
// [Init] CurConfig; 0 when missing or not a number.
std::int32_t ReadCurrentConfigNumber(platform::ProfileFiles& profiles, const std::string& file);
// [Init] CurConfig = number.
bool WriteCurConfig(platform::ProfileFiles& profiles, const std::string& file, std::int32_t number);

}  // namespace vx::settings
