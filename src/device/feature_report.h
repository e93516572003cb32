#pragma once
// Sending one feature report from the shared report buffer.
#include "device/device_link.h"
#include "device/device_session.h"
#include "platform/diagnostics.h"
#include "platform/hid.h"

namespace vx::device {

// Where reports go, and where one the mouse refused is put on record.
struct ReportSink {
    platform::HidApi& hid;
    platform::Diagnostics& diagnostics;
};

// What a refused keyboard report (0x15) leaves on record: the keys of a
// macro never leave it, so its bytes are not shown.
inline constexpr const char* kRefusedKeyReportLine = "feature report 07 15 not sent: the mouse refused it";

// Sends the buffer on the write channel with the collection's declared
// feature-report length; nothing when the channel is not open. The caller
// holds ReportLock while it fills the buffer and sends.
void SendFeatureReport(const Channel& writeChannel, const ReportBytes& buffer, const ReportSink& sink);

// The same for the session's own channel and buffer.
inline void SendFeatureReport(DeviceSession& session, const ReportSink& sink) {
    SendFeatureReport(session.link.WriteChannel, session.ReportBuffer, sink);
}

}  // namespace vx::device
