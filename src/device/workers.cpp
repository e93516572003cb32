#include "device/workers.h"

#include "device/action_player.h"
#include "device/input_listener.h"

namespace vx::device {
namespace {

WorkerContext ContextFor(app::AppState& state, const platform::Platform& platform) {
    return WorkerContext{state,           platform.hid,      platform.clock,     platform.shell,
                         platform.window, platform.profiles, state.player.wake, true};
}

}  // namespace

void StartDeviceWorkers(app::AppState& state, platform::Platform& platform) {
    platform.threads.Start(
        [&state, platform] {
            WorkerContext context = ContextFor(state, platform);
            InputListener(context);
        },
        platform::ThreadPriority::Highest);
    platform.threads.Start(
        [&state, platform] {
            WorkerContext context = ContextFor(state, platform);
            ActionPlayer(context);
        },
        platform::ThreadPriority::Highest);
}

}  // namespace vx::device
