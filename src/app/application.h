#pragma once
// CZUV_GMouseApp: the single instance and the modal run of the main window.
#include "app/app_state.h"
#include "platform/platform.h"

namespace vx::app {

// Returns false always, so that the process ends when it returns.
bool InitInstance(platform::Platform& platform, platform::WindowEvents& mainWindow);

}  // namespace vx::app
