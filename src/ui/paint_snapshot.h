#pragma once
// Gathers what a paint of the main window reads from the program's state.
#include "device/device_session.h"
#include "macro/macro_store.h"
#include "settings/settings_store.h"
#include "ui/interface_state.h"
#include "ui/paint.h"
#include "ui/window_resources.h"

namespace vx::ui {

// The configuration, the last apply's DPI codes and the macro names are
// copied under ConfigLock. The recorder's state and the LED preview are
// left at their defaults for the caller to fill in.
PaintInputs SnapshotPaintInputs(const InterfaceState& ui, settings::SettingsStore& settings,
                                const device::ApplyResults& applied, const macro::MacroStore& macros,
                                const WindowResources& window);

}  // namespace vx::ui
