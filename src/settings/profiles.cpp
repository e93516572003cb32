#include "settings/profiles.h"

#include <mutex>

#include "settings/config_section.h"
#include "settings/settings_file.h"

namespace vx::settings {

void SwitchConfig(SettingsStore& settings, platform::ProfileFiles& profiles, std::int32_t number) {
    settings.CurrentConfigNumber.store(number);
    LoadConfig(settings, profiles, settings.ConfigPath, number, ConfigSource::UserSection);
}

void SaveCurrentConfig(SettingsStore& settings, platform::ProfileFiles& profiles) {
    SaveConfig(settings, profiles, settings.ConfigPath, settings.CurrentConfigNumber.load());
}

void RevertToApplied(SettingsStore& settings, platform::ProfileFiles& profiles) {
    SaveDpiLevel(settings, profiles, settings.ConfigPath, kAppliedCopyNumber);
    LoadConfig(settings, profiles, settings.ConfigPath, kAppliedCopyNumber, ConfigSource::UserSection);
}

void ImportConfig(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& path) {
    LoadConfig(settings, profiles, path, kExchangeSlotNumber, ConfigSource::UserSection);
}

void ExportConfig(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& path) {
    SaveConfig(settings, profiles, path, kExchangeSlotNumber);
}

platform::FileDialogSpec ExchangeFileDialog(platform::FileDialogMode mode, const std::string& programDir) {
    return platform::ExchangeDialogSpec(mode, "All Files(*.ini)|*.ini||", "ini", programDir);
}

void ResetConfigurations(SettingsStore& settings, platform::ProfileFiles& profiles) {
    {
        std::lock_guard lock(settings.ConfigLock);
        settings.config = FactoryDefaultConfig1(settings.config);
    }
    SaveConfig(settings, profiles, settings.ConfigPath, 1);
    for (std::int32_t number = 5; number >= 2; --number) {
        LoadConfig(settings, profiles, settings.ConfigPath, number, ConfigSource::FactoryDefaults);
        SaveConfig(settings, profiles, settings.ConfigPath, number);
    }
    LoadConfig(settings, profiles, settings.ConfigPath, settings.CurrentConfigNumber.load(), ConfigSource::UserSection);
}

}  // namespace vx::settings
