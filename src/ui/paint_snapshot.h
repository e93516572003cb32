#pragma once
// Gathers what a paint of the main window reads from the program's state.
#include "app/app_state.h"
#include "ui/paint.h"

namespace vx::ui {

// The configuration, the last apply's DPI codes and the macro names are
// copied under ConfigLock. The recorder's state and the LED preview are
// left at their defaults for the caller to fill in.
PaintInputs SnapshotPaintInputs(app::AppState& state);

}  // namespace vx::ui
