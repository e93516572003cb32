#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "device/apply_configuration.h"
#include "device/command_tables.h"
#include "device/discovery.h"
#include "device/feature_report.h"
#include "platform/sim/simulated_mouse.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/test_platform.h"

namespace vx::device {
namespace {

// Another thread sending consumer-key reports while the configuration is
// applied: the two never mix inside one report.
TEST(ApplyConcurrencyTest, ReportsOfTwoThreadsNeverMix) {
    platform::testing::FakeClock clock;
    platform::sim::SimulatedMouse mouse(clock);
    platform::testing::TestPlatform fakes(mouse);
    settings::SettingsStore settings;
    device::DeviceSession session;
    settings.ConfigPath = "C:\\VX230\\config.ini";
    settings.CurrentConfigNumber = 2;
    ASSERT_TRUE(FindMouse(session, mouse));
    settings.config.K0 = 1;
    settings.config.FIRE_TIME = 50;

    std::atomic<bool> done{false};
    std::thread player([&] {
        while (!done) {
            std::lock_guard lock(session.ReportLock);
            session.ReportBuffer[1] = kCmdConsumerKey;
            session.ReportBuffer[2] = 0x00;
            session.ReportBuffer[3] = 0xE9;
            SendFeatureReport(session, ReportSink{mouse, fakes.diagnostics});
        }
    });
    for (int i = 0; i < 20; ++i) ApplyConfiguration(settings, session, fakes.Bundle());
    done = true;
    player.join();

    int applyReports = 0;
    for (const auto& entry : mouse.Log()) {
        const auto& bytes = entry.bytes;
        ASSERT_EQ(bytes[0], 7);
        if (bytes[1] == kCmdConsumerKey) {
            EXPECT_EQ(bytes[3], 0xE9);
            continue;
        }
        ++applyReports;
        if (bytes[1] == kCmdSetButtonFunction) {
            EXPECT_NE(bytes[2], 0);
        } else if (bytes[1] == kCmdSetLedMode) {
            EXPECT_EQ(bytes[2], 0x7F);
        } else if (bytes[1] == kCmdSetFireTime) {
            EXPECT_EQ(bytes[3], 6);
        }
    }
    EXPECT_EQ(applyReports, 20 * 13);
}

}  // namespace
}  // namespace vx::device
