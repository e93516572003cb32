#pragma once
// What the input listener and the action player work with: the shared state
// and the platform operations they call. Tests build one over doubles.
#include "app/app_state.h"
#include "device/action_wake.h"
#include "platform/clock.h"
#include "platform/hid.h"
#include "platform/profile_files.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace vx::device {

struct WorkerContext {
    app::AppState& state;
    platform::HidApi& hid;
    platform::Clock& clock;
    platform::Shell& shell;
    platform::MainWindow& window;
    platform::ProfileFiles& profiles;
    ActionWake& wake;
    // false: the idle player only polls every 2 ms (the measured baseline).
    bool wakeOnHandOver = true;
};

// Sleeps between worker iterations.
inline constexpr int kListenerPauseMs = 2;
inline constexpr int kPlayerPollMs = 2;

}  // namespace vx::device
