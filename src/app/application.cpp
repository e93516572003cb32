#include "app/application.h"

#include "platform/portable/startup_trace.h"

namespace vx::app {

bool InitInstance(platform::Platform& platform, platform::WindowEvents& mainWindow) {
    if (!platform.process.CreateSingleInstanceLock(kMutexName)) {
        // Another instance runs: bring its window forward and leave quietly.
        platform.process.RestoreWindowByTitle(kWindowTitle);
        platform.process.CloseSingleInstanceLock();
        return false;
    }
    platform.process.InitCommonControls();
    platform::TraceStartup(platform.startupTrace, "single instance");
    platform.window.RunModal(mainWindow);
    return false;
}

}  // namespace vx::app
