#pragma once
// Sending the whole current configuration to the mouse and setting the two
// system input settings that belong to it.
#include "device/device_session.h"
#include "platform/platform.h"
#include "settings/settings_store.h"

namespace vx::device {

// Writes CurConfig and the applied copy, sends the thirteen configuration
// reports, repaints the window, sets pointer speed and wheel lines and
// saves the configuration in its own section. Interface thread only.
void ApplyConfiguration(settings::SettingsStore& settings, DeviceSession& session, platform::Platform& platform);

}  // namespace vx::device
