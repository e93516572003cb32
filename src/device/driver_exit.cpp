#include "device/driver_exit.h"

#include <algorithm>
#include <mutex>

#include "device/command_tables.h"
#include "device/feature_report.h"

namespace vx::device {

void HaltPlaybackAndReleaseAll(DeviceSession& session, const ReportSink& sink) {
    std::lock_guard lock(session.ReportLock);
    session.player.halted = true;
    if (session.link.WriteChannel.state != ChannelState::Open) return;
    auto& buffer = session.ReportBuffer;
    buffer[0] = kFeatureReportId;
    buffer[1] = kCmdMouseButtons;
    buffer[3] = kAllButtonsReleased;
    SendFeatureReport(session, sink);
    buffer[1] = kCmdKeyboardKeys;
    std::fill(buffer.begin() + 2, buffer.begin() + 8, std::uint8_t{0});
    SendFeatureReport(session, sink);
}

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
