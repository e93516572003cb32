#pragma once
// The report that tells the mouse the program is ending.
#include "device/device_session.h"
#include "device/feature_report.h"

namespace vx::device {

// Bytes 0..3 of the report buffer = 7, 0x20, 0, 0, sent, only while the
// WriteChannel is open (the buffer is left untouched otherwise).
void SendDriverExit(DeviceSession& session, const ReportSink& sink);

}  // namespace vx::device
