#include "settings/profiles.h"

#include <algorithm>
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

namespace {

// Keys that are all missing would read as zeros: no left click, every DPI
// level off.
bool HoldsExchangeConfig(platform::ProfileFiles& profiles, const std::string& path) {
    const std::string section = ConfigSection(kExchangeSlotNumber);
    const auto keys = ConfigEntries(MouseConfig{});
    return profiles.FileExists(path) && std::any_of(keys.begin(), keys.end(), [&](const auto& key) {
               return !profiles.ReadString(path, section, key.key, kShortValueCapacity).empty();
           });
}

}  // namespace

bool ImportConfig(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& path) {
    if (!HoldsExchangeConfig(profiles, path)) return false;
    LoadConfig(settings, profiles, path, kExchangeSlotNumber, ConfigSource::UserSection);
    return true;
}

void ExportConfig(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& path) {
    SaveConfig(settings, profiles, path, kExchangeSlotNumber);
}

bool ExportSavedConfig(platform::ProfileFiles& profiles, const std::string& configPath, std::int32_t number,
                       const std::string& path) {
    const MouseConfig saved = ReadConfigSection(profiles, configPath, ConfigSection(number));
    return profiles.WriteStrings(path, ConfigSection(kExchangeSlotNumber), ConfigEntries(saved));
}

SavedImport ImportSavedConfig(platform::ProfileFiles& profiles, const std::string& configPath, std::int32_t number,
                              const std::string& path) {
    if (!HoldsExchangeConfig(profiles, path)) return SavedImport::NothingToImport;
    const MouseConfig imported = ReadConfigSection(profiles, path, ConfigSection(kExchangeSlotNumber));
    return profiles.WriteStrings(configPath, ConfigSection(number), ConfigEntries(imported)) ? SavedImport::Imported
                                                                                             : SavedImport::NotWritten;
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
