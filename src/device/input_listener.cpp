#include "device/input_listener.h"

#include <algorithm>
#include <mutex>

#include "device/command_tables.h"

namespace vx::device {
namespace {

constexpr std::uint8_t kLastOtherEvent = 0xF0;
constexpr std::uint8_t kReleasedValue = 0x80;

bool InHoldMode(settings::SettingsStore& settings) {
    std::lock_guard lock(settings.ConfigLock);
    return settings.config.MACRO_MODE2 != 0;
}

// Reads one report into the buffer; false when there is none.
bool ReadReport(WorkerContext& context, InputBuffer& buffer) {
    const ReadEndpoint* endpoint = context.session.link.readEndpoint.load(std::memory_order_acquire);
    if (endpoint == nullptr || endpoint->handle == platform::kInvalidHidHandle) return false;
    const std::size_t length = std::min<std::size_t>(endpoint->inputReportLength, buffer.size());
    if (length == 0) return false;
    // Bytes a short report does not carry read as 0, never as an older report's.
    buffer.fill(0);
    return context.hid.ReadInput(endpoint->handle, buffer.data(), length);
}

}  // namespace

void HandleButtonEvent(WorkerContext& context, std::uint8_t eventCode, std::uint8_t eventValue) {
    DeviceSession& session = context.session;
    if (eventCode <= kLastOtherEvent) {
        if (session.ActionRunning.load(std::memory_order_acquire))
            session.StopRequested.store(true, std::memory_order_release);
        return;
    }
    if (eventValue == kReleasedValue) {
        if (InHoldMode(context.settings)) session.StopRequested.store(true, std::memory_order_release);
        return;
    }
    if (!session.ActionRunning.load(std::memory_order_acquire)) {
        // Code and value first: the player reads them once it sees the flag.
        session.PendingEventCode.store(eventCode, std::memory_order_relaxed);
        session.PendingEventValue.store(eventValue, std::memory_order_relaxed);
        session.ActionRunning.store(true, std::memory_order_release);
        context.wake.Notify();
        return;
    }
    if (!InHoldMode(context.settings)) session.StopRequested.store(true, std::memory_order_release);
}

void InputListenerStep(WorkerContext& context, InputBuffer& buffer) {
    if (!ReadReport(context, buffer)) {
        context.clock.SleepMs(context.listenerIdlePauseMs);
        context.listenerIdlePauseMs = std::min(context.listenerIdlePauseMs * 2, kListenerLongestPauseMs);
        return;
    }
    context.listenerIdlePauseMs = kListenerPauseMs;
    if (buffer[0] == kButtonEventReportId) HandleButtonEvent(context, buffer[1], buffer[2]);
    context.clock.SleepMs(kListenerPauseMs);
}

void InputListener(WorkerContext& context) {
    // Nothing can be read before discovery opens the read channel (a start
    // in the tray that waits for the mouse): asleep until it is published.
    context.session.link.readEndpoint.wait(nullptr, std::memory_order_acquire);
    InputBuffer buffer{};
    while (!context.session.player.workersStop.load(std::memory_order_acquire)) {
        InputListenerStep(context, buffer);
    }
}

}  // namespace vx::device
