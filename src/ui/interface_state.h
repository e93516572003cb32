#pragma once
// Which page the main window shows, what lies under the pointer and whether
// the left button is held. Written by the interface thread; the painting,
// the function menus and the LED preview read it.
#include <atomic>
#include <cstdint>

#include "platform/geometry.h"

namespace vx::ui {

enum class SkinPage : std::uint8_t { MainPage = 0, AdvancedPage = 1, ColorPage = 2 };

// No element under the pointer.
inline constexpr std::int32_t NoElement = 255;

struct InterfaceState {
    // Atomic because the LED preview thread polls it to know when to end.
    std::atomic<SkinPage> page{SkinPage::MainPage};
    std::int32_t hotMain = NoElement;
    std::int32_t hotColor = NoElement;
    std::int32_t hotAdvanced = NoElement;
    // The three values at the last repaint decision.
    std::int32_t lastHotMain = NoElement;
    std::int32_t lastHotColor = NoElement;
    std::int32_t lastHotAdvanced = NoElement;
    // The left button went down over an element and has not been released
    // inside the window.
    bool pressed = false;
    // A function menu opened by a button field is still open.
    bool menuOpen = false;
    std::int32_t menuButton = 0;
    Point menuPosition;

    // The colour page's LED preview: written by the preview thread alone,
    // read by the paint. `previewRunning` is set by the interface thread
    // before it starts a thread and cleared by the thread as it ends.
    std::atomic<std::int32_t> previewColor{0};
    std::atomic<bool> previewDark{false};
    std::atomic<bool> previewRunning{false};

    SkinPage Page() const { return page.load(std::memory_order_relaxed); }
};

}  // namespace vx::ui
