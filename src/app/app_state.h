#pragma once
// All process-wide state, owned by the application object and handed to the
// subsystems by reference. A test builds a fresh program with one AppState.
//
// Locks: ConfigLock guards the MouseConfig, the macro records and counts and
// the results of the last apply; ReportLock guards assembling and sending
// one feature report. Take ConfigLock before ReportLock; hold neither across
// a sleep.
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "device/device_link.h"
#include "device/player_state.h"
#include "macro/macro_store.h"
#include "platform/geometry.h"
#include "platform/window.h"
#include "settings/mouse_config.h"
#include "skin/skin_layout.h"
#include "ui/interface_state.h"

namespace vx::app {

inline constexpr const char* kWindowTitle = "VX230 Gaming Mouse Driver";
inline constexpr const char* kMutexName = "CZUV_GMouseApp";

struct AppState {
    // --- paths and selectors (settings) ---
    std::string ProgramDir;
    std::string ConfigPath;
    std::string SkinDir;
    std::atomic<std::int32_t> CurrentConfigNumber{0};
    settings::UiLanguage UiLanguage = settings::UiLanguage::Chinese;

    // --- the configuration being edited (guarded by ConfigLock) ---
    settings::MouseConfig config;
    std::mutex ConfigLock;

    // --- device link and command buffer ---
    device::DeviceLink link;
    std::mutex ReportLock;
    std::array<std::uint8_t, 256> ReportBuffer{};

    // Results of the last apply (guarded by ConfigLock).
    std::array<bool, 6> MirrorsDpiLevel{};
    std::array<bool, 6> MirrorsUsbSpeed{};
    std::array<std::uint8_t, 4> SentDpiCodes{};
    std::uint8_t AppliedLedMode = 0;

    // --- hand-over between the input listener and the action player ---
    std::atomic<bool> ActionRunning{false};
    std::atomic<bool> StopRequested{false};
    std::atomic<std::uint8_t> PendingEventCode{0};
    std::atomic<std::uint8_t> PendingEventValue{0};
    // Held keys and buttons of macro playback, the player's wake-up.
    device::PlayerState player;

    // --- macros (records and counts guarded by ConfigLock) ---
    macro::MacroStore macros;

    // --- skin layout tables (interface thread) ---
    skin::Layouts layouts;

    // --- page, hover and pressed state of the main window ---
    ui::InterfaceState ui;

    // --- interface resources made at start-up ---
    platform::FontHandle EnglishFont = 0;
    platform::FontHandle ChineseFont = 0;
    Region WindowRegion;
    Region RepaintRegion;
    bool windowShaped = false;
    // Set once the exit sequence has begun; start-up stops at once then.
    bool shutdownStarted = false;
};

}  // namespace vx::app
