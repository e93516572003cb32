#pragma once
// Moving the macros between the store and the macro files ([Macros] section
// of an INI file: macroNum and one digit record per key "0", "1", ...).
// Interface thread only. The store's records and counts change under the
// settings' ConfigLock, passed in as `configLock`; files are read and
// written outside it.
#include <mutex>
#include <string>

#include "macro/macro_store.h"
#include "platform/profile_files.h"
#include "platform/message_sink.h"
#include "settings/mouse_config.h"

namespace vx::macro {

inline constexpr const char* kMacroFileMissingText = "找不到配置文件";

// ProgramDir + "\Macro_EN.dat" or "\Macro_CN.dat" by the interface language.
std::string UserMacroFilePath(const std::string& programDir, settings::UiLanguage language);
std::string ConstantMacroFilePath(const std::string& programDir);
// SkinDir + "\INI_EN\defMacro.dat" or "\INI_CN\defMacro.dat".
std::string DefaultMacroFilePath(const std::string& skinDir, settings::UiLanguage language);

// Fills userMacroCount, selectedMacro and the user slots below the count.
// A missing file is reported with a message box and loads no macros.
void LoadUserMacros(MacroStore& store, std::mutex& configLock, platform::ProfileFiles& profiles,
                    platform::MessageSink& messages, const std::string& path);
// Fills constantMacroCount and the constant slots below the count.
void LoadConstantMacros(MacroStore& store, std::mutex& configLock, platform::ProfileFiles& profiles,
                        platform::MessageSink& messages, const std::string& path);
// Writes macroNum and the user records below the count; other keys of the
// file stay. False when the write failed.
bool SaveUserMacros(const MacroStore& store, std::mutex& configLock, platform::ProfileFiles& profiles,
                    const std::string& path);
// Replaces the user macros by the defaults file's and saves them as the
// user macro file.
void RestoreDefaultMacros(MacroStore& store, std::mutex& configLock, platform::ProfileFiles& profiles,
                          platform::MessageSink& messages, const std::string& defaultsPath, const std::string& userPath);

}  // namespace vx::macro
