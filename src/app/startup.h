#pragma once
// The start-up sequence of the main window and the texts it shows.
#include <string>

#include "app/app_state.h"
#include "app/subsystems.h"
#include "platform/platform.h"

namespace vx::app {

inline constexpr int kAboutStringId = 101;
inline constexpr int kMainIconId = 159;

// "Please plug-in【<title>】USB Mouse" or "请插入【<title>】USB鼠标".
std::string PlugInMessage(settings::UiLanguage language);
// The tray icon's tooltip: the program's name, or while it waits for the
// mouse, that it does.
std::string TrayTip(settings::UiLanguage language, bool waitingForMouse);
// An exchange file without a configuration was chosen for import.
std::string NothingToImportMessage(settings::UiLanguage language);

platform::FontSpec EnglishFontSpec();
platform::FontSpec ChineseFontSpec();

// Runs the window's initialisation (OnInitDialog) steps in order. Ends early
// when a step has started the exit sequence (no mouse, missing layout).
void RunStartupSequence(AppState& state, platform::Platform& platform, Subsystems& subsystems);

// A HID interface arrived: while start-up waits for the mouse, looks for it
// again and, once both its collections were tried, ends start-up as with a
// mouse present (the configuration sent).
void ResumeStartupOnArrival(AppState& state, platform::Platform& platform, Subsystems& subsystems);

// Cuts the window shape from "<SkinDir>\main_mask.jpg" and gives it to the
// window. A missing or unreadable mask leaves the window unshaped.
void ShapeWindow(const std::string& skinDir, ui::WindowResources& resources, platform::Platform& platform,
                 Subsystems& subsystems);

}  // namespace vx::app
