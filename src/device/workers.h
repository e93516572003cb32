#pragma once
// Start-up of the two device worker threads.
#include <functional>

#include "device/device_session.h"
#include "macro/macro_store.h"
#include "platform/platform.h"
#include "settings/settings_store.h"

namespace vx::device {

// Starts the InputListener, then the ActionPlayer, both at the highest
// priority. They run until the process ends (or StopDeviceWorkers). The
// bundle is copied; the state and the objects the bundle refers to must
// outlive the threads. The workers never touch the window: they call
// `requestRepaint` (from their own threads) when what it shows changed.
void StartDeviceWorkers(settings::SettingsStore& settings, DeviceSession& session, const macro::MacroStore& macros,
                        platform::Platform& platform, const std::function<void()>& requestRepaint);

// Tells both workers to end: the idle player is woken at once; the listener
// ends once its blocking read returns (close the read handle or unplug).
void StopDeviceWorkers(DeviceSession& session);

}  // namespace vx::device
