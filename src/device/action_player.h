#pragma once
// The ActionPlayer thread: carries out the action the input listener hands
// over (a macro, a consumer key, a program start) and mirrors the mouse's
// own DPI-level and report-rate changes into the settings.
#include <cstdint>

#include "device/worker_context.h"
#include "macro/macro_record.h"

namespace vx::device {

inline constexpr int kMinimumMacroDelayMs = 15;
inline constexpr int kReleasePauseMs = 10;
inline constexpr int kHoldModePasses = 10000;

// Updates KeySlots or MouseButtonState and sends report 0x15 or 0x16.
void SendMacroEvent(WorkerContext& context, std::uint8_t code, std::uint8_t action);

// Releases every mouse button and key playback holds (20 ms in all).
void ReleaseAll(WorkerContext& context);

// Plays `passes` passes of the record, each ending with ReleaseAll; stops
// after a pass once StopRequested is set.
void PlayMacro(WorkerContext& context, const macro::MacroRecord& record, int passes);

// Report 0x17 with a consumer-page usage, high byte first.
void SendConsumerKey(WorkerContext& context, std::uint16_t usage);

// Carries out the action of the button whose event code is `eventCode`.
void RunAction(WorkerContext& context, std::uint8_t eventCode, std::uint8_t eventValue);

// One iteration: wait for a request while idle (until the listener or
// StopDeviceWorkers wakes it), or run the requested action to its end.
void ActionPlayerStep(WorkerContext& context);

// The thread body: iterates until session.player.workersStop is set.
void ActionPlayer(WorkerContext& context);

}  // namespace vx::device
