#include "platform/win32/win32_power.h"

#include "platform/win32/windows_api.h"

#include <string>

namespace vx::platform {

void KeepTimerResolution(Diagnostics& diagnostics) {
    PROCESS_POWER_THROTTLING_STATE state{};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    // Controlled and off: the timer resolution is never throttled.
    state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
    state.StateMask = 0;
    if (!SetProcessInformation(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state)) {
        diagnostics.Report("timer resolution may be throttled while hidden: SetProcessInformation refused, error " +
                           std::to_string(GetLastError()));
    }
}

}  // namespace vx::platform
