#pragma once
// What the device workers keep between actions: the keys and mouse buttons
// macro playback holds (player thread only), the listener-to-player wake-up
// and the stop flag of the worker loops.
#include <array>
#include <atomic>
#include <cstdint>

#include "device/action_wake.h"

namespace vx::device {

struct PlayerState {
    // Held key usages in press order; 0 = free slot.
    std::array<std::uint8_t, 6> KeySlots{};
    // Active low: bit 0 left, bit 1 right, bit 2 middle; bits 3..7 stay 1.
    std::uint8_t MouseButtonState = 0xFF;
    // Set, under the session's ReportLock, once the program ends: the
    // player sends nothing more, so nothing is pressed after the release.
    bool halted = false;
    WakeSignal wake;
    // The loops end once this is set, through StopDeviceWorkers (the
    // program itself never stops them; the process ends with them running).
    std::atomic<bool> workersStop{false};
};

}  // namespace vx::device
