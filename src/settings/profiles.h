#pragma once
// The five configurations as the user works with them: switching, saving,
// throwing away unapplied edits, the exchange files and the factory reset.
// Interface thread only; the MouseConfig changes under ConfigLock.
#include <cstdint>
#include <string>

#include "platform/file_dialog.h"
#include "platform/profile_files.h"
#include "settings/settings_store.h"

namespace vx::settings {

inline constexpr std::int32_t kAppliedCopyNumber = 6;
inline constexpr std::int32_t kExchangeSlotNumber = 7;

// CurrentConfigNumber = number and that configuration is loaded; nothing
// is saved or sent.
void SwitchConfig(SettingsStore& settings, platform::ProfileFiles& profiles, std::int32_t number);

// The edited configuration into its own section.
void SaveCurrentConfig(SettingsStore& settings, platform::ProfileFiles& profiles);

// The applied copy takes over the DPI level in memory (the mouse may have
// changed it), then becomes the edited configuration. The caller hides the
// window.
void RevertToApplied(SettingsStore& settings, platform::ProfileFiles& profiles);

// An exchange file holds one configuration in its [Config7] section; other
// sections of the file are left as they are. A file without one (or no
// file at all) changes nothing: false.
bool ImportConfig(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& path);
void ExportConfig(SettingsStore& settings, platform::ProfileFiles& profiles, const std::string& path);

// One saved configuration and an exchange file, with no window and
// nothing in memory touched: [Config<number>] of config.ini written as the
// file's [Config7], and back. False when the write failed.
bool ExportSavedConfig(platform::ProfileFiles& profiles, const std::string& configPath, std::int32_t number,
                       const std::string& path);
enum class SavedImport { Imported, NothingToImport, NotWritten };
SavedImport ImportSavedConfig(platform::ProfileFiles& profiles, const std::string& configPath, std::int32_t number,
                              const std::string& path);

// The dialog that picks an exchange file.
platform::FileDialogSpec ExchangeFileDialog(platform::FileDialogMode mode, const std::string& programDir);

// The configuration part of a factory reset: configuration 1 from the
// built-in defaults (MACRO_MODE2 kept from memory), 5, 4, 3, 2 from their
// factory sections, then the current configuration loaded again. The
// caller restores the macros and applies.
void ResetConfigurations(SettingsStore& settings, platform::ProfileFiles& profiles);

}  // namespace vx::settings
