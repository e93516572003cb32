#include "settings/settings_file.h"

#include <mutex>

#include "settings/config_section.h"
#include "settings/ini_value.h"

namespace vx::settings {

void LoadConfig(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& file, std::int32_t number,
                ConfigSource source) {
    const std::string section =
        source == ConfigSource::FactoryDefaults ? FactorySection(number, settings.UiLanguage) : ConfigSection(number);
    const MouseConfig loaded = ReadConfigSection(profiles, file, section);
    std::lock_guard guard(settings.ConfigLock);
    settings.config = loaded;
}

bool SaveConfig(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& file,
                std::int32_t number) {
    MouseConfig snapshot;
    {
        std::lock_guard guard(settings.ConfigLock);
        snapshot = settings.config;
    }
    return profiles.WriteStrings(file, ConfigSection(number), ConfigEntries(snapshot));
}

bool SaveDpiLevel(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& file,
                  std::int32_t number) {
    std::int32_t level = 0;
    {
        std::lock_guard guard(settings.ConfigLock);
        level = settings.config.DPI_LEVEL;
    }
    return profiles.WriteString(file, ConfigSection(number), "DPI_LEVEL", FormatIniInt(level));
}

bool SaveUsbSpeed(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& file,
                  std::int32_t number) {
    std::uint8_t speed = 0;
    {
        std::lock_guard guard(settings.ConfigLock);
        speed = settings.config.USB_SPEED;
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
