#include "settings/settings_file.h"

#include <mutex>

#include "settings/config_section.h"
#include "settings/ini_value.h"

namespace vx::settings {

void LoadConfig(app::AppState& state, platform::ProfileFiles& profiles, const std::string& file,
                std::int32_t number, bool fromDefaults) {
    const std::string section = fromDefaults ? FactorySection(number, state.UiLanguage) : ConfigSection(number);
    const MouseConfig loaded = ReadConfigSection(profiles, file, section);
    std::lock_guard guard(state.ConfigLock);
    state.config = loaded;
}

bool SaveConfig(app::AppState& state, platform::ProfileFiles& profiles, const std::string& file,
                std::int32_t number) {
    MouseConfig snapshot;
    {
        std::lock_guard guard(state.ConfigLock);
        snapshot = state.config;
    }
    return profiles.WriteStrings(file, ConfigSection(number), ConfigEntries(snapshot));
}

bool SaveDpiLevel(app::AppState& state, platform::ProfileFiles& profiles, const std::string& file,
                  std::int32_t number) {
    std::int32_t level = 0;
    {
        std::lock_guard guard(state.ConfigLock);
        level = state.config.DPI_LEVEL;
    }
    return profiles.WriteString(file, ConfigSection(number), "DPI_LEVEL", FormatIniInt(level));
}

bool SaveUsbSpeed(app::AppState& state, platform::ProfileFiles& profiles, const std::string& file,
                  std::int32_t number) {
    std::uint8_t speed = 0;
    {
        std::lock_guard guard(state.ConfigLock);
        speed = state.config.USB_SPEED;
    }
    return profiles.WriteString(file, ConfigSection(number), "USB_SPEED", FormatIniInt(speed));
}

std::uint8_t ReadLanguage(platform::ProfileFiles& profiles, const std::string& file) {
    return static_cast<std::uint8_t>(
        ParseIniInt(profiles.ReadString(file, kInitSection, kLanguageKey, kShortValueCapacity)));
}

std::int32_t ReadCurrentConfigNumber(platform::ProfileFiles& profiles, const std::string& file) {
    return ParseIniInt(profiles.ReadString(file, kInitSection, kCurConfigKey, kShortValueCapacity));
}

bool WriteCurConfig(platform::ProfileFiles& profiles, const std::string& file, std::int32_t number) {
    return profiles.WriteString(file, kInitSection, kCurConfigKey, FormatIniInt(number));
}

}  // namespace vx::settings
