#include "ui/led_preview.h"

#include <mutex>

namespace vx::ui {

namespace {

constexpr std::uint8_t kFastCycleMode = 1;
constexpr std::uint8_t kSteadyMode = 2;
constexpr std::uint8_t kOffMode = 3;
constexpr std::int32_t kLevels = 4;

struct Applied {
    std::int32_t level = 0;
    std::uint8_t mode = 0;
};

Applied ReadApplied(const PreviewContext& context) {
    std::lock_guard lock(context.settings.ConfigLock);
    return Applied{context.settings.config.DPI_LEVEL, context.applied.AppliedLedMode};
}

bool ColorPageShown(const PreviewContext& context) { return context.ui.Page() == SkinPage::ColorPage; }

}  // namespace

void LedPreviewThread(const PreviewContext& context) {
    InterfaceState& ui = context.ui;
    std::int32_t level = ReadApplied(context).level;
    ui.previewColor = level;
    std::int32_t lastLevel = level;
    std::int32_t base = level;  // the colour the next dark phase steps on from
    if (ColorPageShown(context)) {
        for (;;) {
            const std::uint8_t mode = ReadApplied(context).mode;
            if (mode == kOffMode) {
                ui.previewDark = true;
                ui.previewColor = level;
            } else if (mode == kSteadyMode) {
                ui.previewDark = false;
                ui.previewColor = level;
            } else if (level != lastLevel) {
                // A level the mouse switched to shows lit for a while.
                ui.previewColor = level;
                ui.previewDark = false;
                context.requestRepaint();
                context.clock.SleepMs(kLevelChangeShowMs);
                lastLevel = level;
            } else if (ui.previewDark) {
                ui.previewDark = false;
            } else {
                ui.previewDark = true;
                ui.previewColor = base == kLevels - 1 ? 0 : base + 1;
            }
            context.requestRepaint();
            context.clock.SleepMs(mode == kFastCycleMode ? kFastCycleMs : kSlowCycleMs);
            if (!ColorPageShown(context)) break;
            base = ui.previewColor;
            level = ReadApplied(context).level;
        }
    }
    ui.previewRunning = false;
}

void StartLedPreviewUnlessRunning(const PreviewContext& context, platform::Threads& threads) {
    if (context.ui.previewRunning.exchange(true)) return;
    threads.Start([context] { LedPreviewThread(context); }, platform::ThreadPriority::Normal);
}

}  // namespace vx::ui
