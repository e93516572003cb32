#pragma once
// Sending the whole current configuration to the mouse and setting the two
// system input settings that belong to it.
#include "app/app_state.h"
#include "platform/platform.h"

namespace vx::device {

// Writes CurConfig and the applied copy, sends the thirteen configuration
// reports, repaints the window, sets pointer speed and wheel lines and
// saves the configuration in its own section. Interface thread only.
void ApplyConfiguration(app::AppState& state, platform::Platform& platform);

}  // namespace vx::device
