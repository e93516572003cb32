#include "device/feature_report.h"

#include <algorithm>
#include <cstdio>

namespace vx::device {

void SendFeatureReport(const Channel& writeChannel, const ReportBytes& buffer, const ReportSink& sink) {
    if (writeChannel.state != ChannelState::Open) return;
    // Discovery refuses longer collections; the cap keeps the read inside
    // the buffer whatever the capabilities say.
    const std::size_t length = std::min<std::size_t>(writeChannel.caps.featureReportLength, buffer.size());
    if (length == 0) return;
    // A refused report is not retried: the mouse keeps its previous state.
    if (!sink.hid.SetFeature(writeChannel.handle, buffer.data(), length)) {
        if (buffer[1] == 0x15) {
            sink.diagnostics.Report(kRefusedKeyReportLine);
            return;
        }
        char line[80];
        std::snprintf(line, sizeof line, "feature report %02X %02X %02X %02X not sent: the mouse refused it", buffer[0],
                      buffer[1], buffer[2], buffer[3]);
        sink.diagnostics.Report(line);
    }
}

}  // namespace vx::device
