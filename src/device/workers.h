#pragma once
// Start-up of the two device worker threads.
#include "device/device_session.h"
#include "macro/macro_store.h"
#include "platform/platform.h"
#include "settings/settings_store.h"

namespace vx::device {

// Starts the InputListener, then the ActionPlayer, both at the highest
// priority. They run until the process ends (or session.player.workersStop
// is set). The bundle is copied; the state and the objects the bundle
// refers to must outlive the threads.
void StartDeviceWorkers(settings::SettingsStore& settings, DeviceSession& session, const macro::MacroStore& macros,
                        platform::Platform& platform);

}  // namespace vx::device
