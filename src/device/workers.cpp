#include "device/workers.h"

#include "device/action_player.h"
#include "device/input_listener.h"

namespace vx::device {
namespace {
// Published in place of a read channel never opened, so that a listener
// still waiting for one wakes and sees the stop.
const ReadEndpoint kNoReadChannel{};
}  // namespace

void StartDeviceWorkers(settings::SettingsStore& settings, DeviceSession& session, const macro::MacroStore& macros,
                        platform::Platform& platform, const std::function<void()>& requestRepaint) {
    // Each thread gets its own copy of the bundle: the caller's may go.
    auto contextFor = [&settings, &session, &macros, requestRepaint](const platform::Platform& p) {
        return WorkerContext{settings, session,    macros,        p.hid,
                             p.clock,  p.shell,    requestRepaint, p.profiles,
                             p.diagnostics, session.player.wake};
    };
    platform.threads.Start(
        [contextFor, platform] {
            WorkerContext context = contextFor(platform);
            InputListener(context);
        },
        platform::ThreadPriority::Highest);
    platform.threads.Start(
        [contextFor, platform] {
            WorkerContext context = contextFor(platform);
            ActionPlayer(context);
        },
        platform::ThreadPriority::Highest);
}

void StopDeviceWorkers(DeviceSession& session) {
    session.player.workersStop.store(true, std::memory_order_release);
    session.player.wake.Notify();
    const ReadEndpoint* unpublished = nullptr;
    if (session.link.readEndpoint.compare_exchange_strong(unpublished, &kNoReadChannel, std::memory_order_acq_rel)) {
        session.link.readEndpoint.notify_all();
    }
}

}  // namespace vx::device
