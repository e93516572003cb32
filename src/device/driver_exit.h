#pragma once
// The report that tells the mouse the program is ending.
#include "app/app_state.h"
#include "platform/hid.h"

namespace vx::device {

// Bytes 0..3 of ReportBuffer = 7, 0x20, 0, 0, sent, only while the
// WriteChannel is open (the buffer is left untouched otherwise).
void SendDriverExit(app::AppState& state, platform::HidApi& hid);

}  // namespace vx::device
