#include "device/driver_exit.h"

#include <mutex>

#include "device/command_tables.h"
#include "device/feature_report.h"

namespace vx::device {

void SendDriverExit(app::AppState& state, platform::HidApi& hid) {
    std::lock_guard lock(state.ReportLock);
    if (state.link.WriteChannel.state != ChannelState::Open) return;
    auto& buffer = state.ReportBuffer;
    buffer[0] = kFeatureReportId;
    buffer[1] = kCmdDriverExit;
    buffer[2] = 0;
    buffer[3] = 0;
    SendFeatureReport(state, hid);
}

}  // namespace vx::device
