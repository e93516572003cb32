#pragma once
// The InputListener thread: reads the mouse's button reports (input report
// 6) and starts or stops the action the player carries out.
#include <array>
#include <cstdint>

#include "device/worker_context.h"

namespace vx::device {

// Large enough for any input report the mouse may declare.
using InputBuffer = std::array<std::uint8_t, 256>;

// Applies one button event (bytes 1 and 2 of report 6) to the hand-over.
void HandleButtonEvent(WorkerContext& context, std::uint8_t eventCode, std::uint8_t eventValue);

// One iteration: read one report if the read channel is open (the read
// blocks until one arrives), act on it, pause 2 ms. While nothing can be
// read the pause doubles, up to kListenerLongestPauseMs.
void InputListenerStep(WorkerContext& context, InputBuffer& buffer);

// The thread body: iterates until session.player.workersStop is set.
void InputListener(WorkerContext& context);

}  // namespace vx::device
