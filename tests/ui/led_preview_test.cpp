// The colour page's LED preview thread body, run on a scripted clock: what
// each applied mode shows, a level change, and the end after the page is
// left.
#include "ui/led_preview.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "platform/testing/fake_clock.h"
#include "platform/testing/fake_threads.h"

namespace vx::ui {
namespace {

class LedPreviewTest : public ::testing::Test {
protected:
    // Runs the thread body until `repaints` repaints were asked for, then
    // leaves the colour page; returns "grey" or the colour index per repaint.
    std::vector<std::string> Run(std::uint8_t mode, std::int32_t level, int repaints,
                                 std::function<void(int)> atRepaint = nullptr) {
        applied.AppliedLedMode = mode;
        settings.config.DPI_LEVEL = level;
        ui.page = SkinPage::ColorPage;
        ui.previewRunning = true;
        std::vector<std::string> shown;
        PreviewContext context{ui, settings, applied, clock, [&] {
                                   shown.push_back(ui.previewDark ? "grey" : std::to_string(ui.previewColor.load()));
                                   if (atRepaint) atRepaint(static_cast<int>(shown.size()));
                                   if (static_cast<int>(shown.size()) == repaints) ui.page = SkinPage::MainPage;
                               }};
        LedPreviewThread(context);
        return shown;
    }

    InterfaceState ui;
    settings::SettingsStore settings;
    device::ApplyResults applied;
    platform::testing::FakeClock clock;
};

TEST_F(LedPreviewTest, FastCycleStepsThroughTheLevelColoursWithDarkPhases) {
    EXPECT_EQ(Run(1, 0, 8), (std::vector<std::string>{"grey", "1", "grey", "2", "grey", "3", "grey", "0"}));
    EXPECT_EQ(clock.Sleeps(), std::vector<int>(8, kFastCycleMs));
    EXPECT_FALSE(ui.previewRunning);
}

TEST_F(LedPreviewTest, SteadyAndOffModesAndTheSlowCycle) {
    EXPECT_EQ(Run(2, 2, 3), (std::vector<std::string>{"2", "2", "2"}));
    EXPECT_EQ(Run(3, 1, 2), (std::vector<std::string>{"grey", "grey"}));
    clock.ClearSleeps();
    ui.previewDark = false;
    EXPECT_EQ(Run(7, 3, 2), (std::vector<std::string>{"grey", "0"}));  // any other mode cycles slowly
    EXPECT_EQ(clock.Sleeps(), (std::vector<int>{kSlowCycleMs, kSlowCycleMs}));
}

TEST_F(LedPreviewTest, ALevelChangeShowsLitForTwoSecondsThenTheCycleGoesOnFromIt) {
    ui.previewDark = false;
    const auto shown = Run(0, 0, 5, [this](int repaint) {
        if (repaint == 1) settings.config.DPI_LEVEL = 2;  // the mouse switched level
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"grey", "2", "2", "grey", "3"}));
    EXPECT_EQ(clock.Sleeps(),
              (std::vector<int>{kSlowCycleMs, kLevelChangeShowMs, kSlowCycleMs, kSlowCycleMs, kSlowCycleMs}));
}

TEST_F(LedPreviewTest, AtMostOneThreadWhichEndsByItselfAfterThePageIsLeft) {
    platform::testing::FakeThreads threads;
    threads.startForReal = true;
    std::atomic<int> repaints{0};
    PreviewContext context{ui, settings, applied, clock, [&repaints] { ++repaints; }};
    ui.page = SkinPage::ColorPage;
    StartLedPreviewUnlessRunning(context, threads);
    StartLedPreviewUnlessRunning(context, threads);
    EXPECT_EQ(threads.Priorities(), std::vector<platform::ThreadPriority>{platform::ThreadPriority::Normal});
    // The interface thread goes on meanwhile: the mouse changes level, the
    // user applies, then leaves the page.
    while (repaints < 20) {
        std::lock_guard lock(settings.ConfigLock);
        settings.config.DPI_LEVEL = repaints % 4;
        applied.AppliedLedMode = static_cast<std::uint8_t>(repaints % 2);
    }
    ui.page = SkinPage::AdvancedPage;
    threads.JoinAll();
    EXPECT_FALSE(ui.previewRunning);
    StartLedPreviewUnlessRunning(context, threads);  // a new visit starts a new one
    threads.JoinAll();
    EXPECT_EQ(threads.Priorities().size(), 2u);
}

}  // namespace
}  // namespace vx::ui
