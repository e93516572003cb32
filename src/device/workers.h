#pragma once
// Start-up of the two device worker threads.
#include "device/device_session.h"
#include "macro/macro_store.h"
#include "platform/platform.h"
#include "settings/settings_store.h"

namespace vx::device {

// Starts the InputListener, then the ActionPlayer, both at the highest
// priority. They run until the process ends (or StopDeviceWorkers). The
// bundle is copied; the state and the objects the bundle refers to must
// outlive the threads.
void StartDeviceWorkers(settings::SettingsStore& settings, DeviceSession& session, const macro::MacroStore& macros,
                        platform::Platform& platform);

// Tells both workers to end: the idle player is woken at once; the listener
// ends once its blocking read returns (close the read handle or unplug).
void StopDeviceWorkers(DeviceSession& session);

}  // namespace vx::device
