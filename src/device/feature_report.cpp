#include "device/feature_report.h"

#include <algorithm>

namespace vx::device {

void SendFeatureReport(app::AppState& state, platform::HidApi& hid) {
    const Channel& channel = state.link.WriteChannel;
    if (channel.state != ChannelState::Open) return;
    // Discovery refuses longer collections; the cap keeps the read inside
    // the buffer whatever the capabilities say.
    const std::size_t length = std::min<std::size_t>(channel.caps.featureReportLength, state.ReportBuffer.size());
    if (length == 0) return;
    // A rejected report is not retried: the mouse keeps its previous state.
    (void)hid.SetFeature(channel.handle, state.ReportBuffer.data(), length);
}

}  // namespace vx::device
