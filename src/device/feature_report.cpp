#include "device/feature_report.h"

#include <algorithm>

namespace vx::device {

void SendFeatureReport(const Channel& writeChannel, const ReportBytes& buffer, platform::HidApi& hid) {
    if (writeChannel.state != ChannelState::Open) return;
    // Discovery refuses longer collections; the cap keeps the read inside
    // the buffer whatever the capabilities say.
    const std::size_t length = std::min<std::size_t>(writeChannel.caps.featureReportLength, buffer.size());
    if (length == 0) return;
    // A rejected report is not retried: the mouse keeps its previous state.
    (void)hid.SetFeature(writeChannel.handle, buffer.data(), length);
}

}  // namespace vx::device
