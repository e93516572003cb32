#pragma once
// Start-up of the two device worker threads.
#include "app/app_state.h"
#include "platform/platform.h"

namespace vx::device {

// Starts the InputListener, then the ActionPlayer, both at the highest
// priority. They run until the process ends (or state.player.workersStop
// is set). The bundle is copied; state and the objects it refers to must
// outlive the threads.
void StartDeviceWorkers(app::AppState& state, platform::Platform& platform);

}  // namespace vx::device
