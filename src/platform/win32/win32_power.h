#pragma once
// The process's power settings on Windows.
#include "platform/diagnostics.h"

namespace vx::platform {

// Asks Windows to keep the process's timer resolution while it has no
// visible window (Windows 11 coarsens it otherwise, which would stretch the
// macro pauses of a driver started hidden in the tray). A refusal goes on
// record; the program goes on either way.
void KeepTimerResolution(Diagnostics& diagnostics);

}  // namespace vx::platform
