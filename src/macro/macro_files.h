#pragma once
// Moving the macros between the store and the macro files ([Macros] section
// of an INI file: macroNum and one digit record per key "0", "1", ...).
// Interface thread only.
#include <string>

#include "app/app_state.h"
#include "platform/profile_files.h"
#include "platform/window.h"

namespace vx::macro {

inline constexpr const char* kMacroFileMissingText = "找不到配置文件";

// ProgramDir + "\Macro_EN.dat" or "\Macro_CN.dat" by the interface language.
std::string UserMacroFilePath(const app::AppState& state);
std::string ConstantMacroFilePath(const app::AppState& state);
// SkinDir + "\INI_EN\defMacro.dat" or "\INI_CN\defMacro.dat".
std::string DefaultMacroFilePath(const app::AppState& state);
// Points macros.userMacroFile at the current language's file.
void SelectUserMacroFile(app::AppState& state);

// Fills userMacroCount, selectedMacro and the user slots below the count.
// A missing file is reported with a message box and loads no macros.
void LoadUserMacros(app::AppState& state, platform::ProfileFiles& profiles,
                    platform::MainWindow& window, const std::string& path);
// Fills constantMacroCount and the constant slots below the count.
void LoadConstantMacros(app::AppState& state, platform::ProfileFiles& profiles,
                        platform::MainWindow& window, const std::string& path);
// Writes macroNum and the user records below the count; other keys of the
// file stay.
void SaveUserMacros(app::AppState& state, platform::ProfileFiles& profiles, const std::string& path);
// Replaces the user macros by the current language's defaults and saves
// them as that language's user macro file.
void RestoreDefaultMacros(app::AppState& state, platform::ProfileFiles& profiles,
                          platform::MainWindow& window);

}  // namespace vx::macro
