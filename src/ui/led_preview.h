#pragma once
// The colour page's LED preview: a worker thread that animates the mode the
// last apply sent (lit and dark phases stepping through the level colours,
// a steady colour, or off) while the page is shown, and ends by itself
// after the page is left.
#include <cstdint>
#include <functional>

#include "device/device_session.h"
#include "platform/clock.h"
#include "platform/threads.h"
#include "settings/settings_store.h"
#include "ui/interface_state.h"

namespace vx::ui {

inline constexpr int kLevelChangeShowMs = 2000;
inline constexpr int kFastCycleMs = 800;
inline constexpr int kSlowCycleMs = 1200;

struct PreviewContext {
    InterfaceState& ui;
    // DPI_LEVEL, read under ConfigLock.
    settings::SettingsStore& settings;
    // AppliedLedMode, read under the same lock.
    const device::ApplyResults& applied;
    platform::Clock& clock;
    // Asks the main window to repaint (from this thread).
    std::function<void()> requestRepaint;
};

// The thread body; clears ui.previewRunning as it ends.
void LedPreviewThread(const PreviewContext& context);

// Starts the thread at normal priority unless one is still running.
void StartLedPreviewUnlessRunning(const PreviewContext& context, platform::Threads& threads);

}  // namespace vx::ui
