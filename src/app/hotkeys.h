#pragma once
// The [Hotkeys] combinations registered with the window at start-up, and
// what a press of one does.
#include "app/app_state.h"
#include "app/subsystems.h"
#include "platform/platform.h"

namespace vx::app {

// Each combination the user set is registered; one that cannot be read or
// that the system refused (another program holds it) goes on record.
void RegisterHotkeys(AppState& state, platform::Platform& platform);

// Id = the HotkeyAction's number: profiles 1..5 are switched to and
// applied, with the notice.
void OnHotkey(AppState& state, platform::Platform& platform, Subsystems& subsystems, int id);

}  // namespace vx::app
