#pragma once
// The device subsystem's state: the link to the mouse, the shared report
// buffer, what the last apply sent, and what the input listener and the
// action player share.
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

#include "device/device_link.h"
#include "device/player_state.h"

namespace vx::device {

// One buffer shared by every sender; its bytes carry over from report to
// report.
using ReportBytes = std::array<std::uint8_t, 256>;

// What the last ApplyConfiguration sent. Guarded by the settings'
// ConfigLock, because the player reads them with the configuration.
struct ApplyResults {
    std::array<bool, 6> MirrorsDpiLevel{};
    std::array<bool, 6> MirrorsUsbSpeed{};
    std::array<std::uint8_t, 4> SentDpiCodes{};
    std::uint8_t AppliedLedMode = 0;
};

struct DeviceSession {
    DeviceLink link;
    // Guards filling ReportBuffer and sending it, and opening WriteChannel.
    std::mutex ReportLock;
    ReportBytes ReportBuffer{};

    ApplyResults applied;

    // Hand-over from the input listener to the action player: code and
    // value are stored before ActionRunning is raised (release/acquire).
    std::atomic<bool> ActionRunning{false};
    std::atomic<bool> StopRequested{false};
    std::atomic<std::uint8_t> PendingEventCode{0};
    std::atomic<std::uint8_t> PendingEventValue{0};
    // Held keys and buttons of macro playback, the player's wake-up.
    PlayerState player;
};

}  // namespace vx::device
