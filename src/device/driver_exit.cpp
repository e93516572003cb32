#include "device/driver_exit.h"

#include <mutex>

#include "device/command_tables.h"
#include "device/feature_report.h"

namespace vx::device {

void SendDriverExit(DeviceSession& session, const ReportSink& sink) {
    std::lock_guard lock(session.ReportLock);
    if (session.link.WriteChannel.state != ChannelState::Open) return;
    auto& buffer = session.ReportBuffer;
    buffer[0] = kFeatureReportId;
    buffer[1] = kCmdDriverExit;
    buffer[2] = 0;
    buffer[3] = 0;
    SendFeatureReport(session, sink);
}

}  // namespace vx::device
