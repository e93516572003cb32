#pragma once
// Sending one feature report from the shared ReportBuffer.
#include "app/app_state.h"
#include "platform/hid.h"

namespace vx::device {

// Sends ReportBuffer on the WriteChannel with the collection's declared
// feature-report length; nothing when the channel is not open. The caller
// holds ReportLock while it fills the buffer and sends.
void SendFeatureReport(app::AppState& state, platform::HidApi& hid);

}  // namespace vx::device
