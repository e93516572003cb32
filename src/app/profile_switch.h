#pragma once
// Changing the applied profile from outside the window (vx230ctl, a
// hotkey): the same steps a click on the profile and on Apply take, and
// the notice that tells the user it happened.
#include <cstdint>
#include <string>

#include "app/app_state.h"
#include "app/subsystems.h"
#include "platform/platform.h"

namespace vx::app {

// [Hotkeys] Notice=0 in config.ini turns the notice off.
inline constexpr const char* kHotkeysSection = "Hotkeys";
inline constexpr const char* kNoticeKey = "Notice";

// Profile `number` (1..5) shown and sent to the mouse (the 13 reports,
// CurConfig and [Config6] written, the window repainted); unapplied edits
// of the profile shown are dropped, as a click on another profile drops
// them. False, and nothing done, for a number outside 1..5, without a
// mouse, or once the program is ending. Interface thread.
bool SwitchAndApplyProfile(AppState& state, platform::Platform& platform, Subsystems& subsystems, std::int32_t number);

// "Profile N applied" in the interface language.
std::string ProfileAppliedText(settings::UiLanguage language, std::int32_t number);

// The one place every change from outside the window tells the user of it
// (the tray's balloon, the desktop's notification), unless turned off.
void NoticeProfileApplied(AppState& state, platform::Platform& platform, std::int32_t number);

}  // namespace vx::app
