#pragma once
// "Switch to profile N and apply": what a click on the profile and then on
// Apply do, for the switches the per-program rules make.
#include <cstdint>

#include "app/app_state.h"
#include "app/subsystems.h"
#include "platform/platform.h"

namespace vx::app {

// Loads [Config<number>] into the window's configuration (edits not saved
// are dropped, as the click drops them), then applies it: the 13 reports,
// CurConfig and [Config6] written, the window repainted. Nothing once the
// program is ending or without a mouse. Interface thread.
void SwitchProfileAndApply(AppState& state, platform::Platform& platform, Subsystems& subsystems, std::int32_t number);

}  // namespace vx::app
