#pragma once
// The report that tells the mouse the program is ending.
#include "device/device_session.h"
#include "device/feature_report.h"

namespace vx::device {

// Bytes 0..3 of the report buffer = 7, 0x20, 0, 0, sent, only while the
// WriteChannel is open (the buffer is left untouched otherwise).
void SendDriverExit(DeviceSession& session, const ReportSink& sink);

// Stops playback for good and lets go of whatever it holds, so that no key
// or button stays pressed once the program is gone: the mouse buttons all
// released (report 0x16), then no key (report 0x15), as a pass ends.
void HaltPlaybackAndReleaseAll(DeviceSession& session, const ReportSink& sink);

}  // namespace vx::device
