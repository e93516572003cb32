#pragma once
// What the input listener and the action player work with: the state they
// share with the interface and the platform operations they call.
#include <functional>

#include "device/action_wake.h"
#include "device/device_session.h"
#include "macro/macro_store.h"
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/hid.h"
#include "platform/profile_files.h"
#include "platform/shell.h"
#include "settings/settings_store.h"

namespace vx::device {

// Sleeps between worker iterations.
inline constexpr int kListenerPauseMs = 2;
inline constexpr int kPlayerPollMs = 2;
// While nothing can be read (no read channel yet, or the read fails) the
// listener's pause doubles up to this, so a mouse that is gone costs no
// steady wake-ups; reports wait in the system's buffer meanwhile.
inline constexpr int kListenerLongestPauseMs = 1000;

// How an idle player learns of a press.
enum class PlayerIdle {
    WakeOnHandOver,  // it sleeps until the listener wakes it
    Poll,            // it looks every 2 ms (the measured baseline)
};

struct WorkerContext {
    // The configuration, its lock and the current configuration number.
    settings::SettingsStore& settings;
    DeviceSession& session;
    // Read under settings.ConfigLock.
    const macro::MacroStore& macros;
    platform::HidApi& hid;
    platform::Clock& clock;
    platform::Shell& shell;
    // Asks the main window to repaint, from the worker's thread (a mirrored
    // DPI level or report rate shows at once).
    std::function<void()> requestRepaint;
    platform::ProfileFiles& profiles;
    platform::Diagnostics& diagnostics;
    ActionWake& wake;
    PlayerIdle idle = PlayerIdle::WakeOnHandOver;
    // The listener's next pause while nothing can be read (its own copy).
    int listenerIdlePauseMs = kListenerPauseMs;
};
}  // namespace vx::device
