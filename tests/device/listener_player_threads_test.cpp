// The two worker threads for real, against the simulated mouse and the
// real clock: what the mouse receives after a press.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "device/action_player.h"
#include "device/device_session.h"
#include "device/discovery.h"
#include "device/input_listener.h"
#include "device/workers.h"
#include "macro/macro_store.h"
#include "platform/sim/simulated_mouse.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/test_platform.h"
#include "settings/settings_store.h"
#include "ui/macro_editor.h"

namespace vx::device {
namespace {

using platform::sim::SimulatedMouse;
using Steady = std::chrono::steady_clock;

// Both workers started for real over the simulated mouse, stopped after
// each test.
class RealWorkers : public ::testing::Test {
protected:
    void StartWorkers() {
        fakes.threads.startForReal = true;
        StartDeviceWorkers(settings, session, macros, fakes.Bundle(), [] {});
    }
    void TearDown() override {
        StopDeviceWorkers(session);
        mouse.Unplug();  // ends a blocking read, if the listener reads
        fakes.threads.JoinAll();
    }
    // True once `done` holds, false after 5 s.
    bool WaitFor(const std::function<bool()>& done) {
        const auto until = Steady::now() + std::chrono::seconds(5);
        while (!done()) {
            if (Steady::now() > until) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }

    platform::testing::SteadyClock clock;
    SimulatedMouse mouse{clock};
    settings::SettingsStore settings;
    device::DeviceSession session;
    macro::MacroStore macros;
    platform::testing::TestPlatform fakes{mouse, clock};
};

class WorkerThreadsTest : public RealWorkers {
protected:
    void SetUp() override {
        const auto in = mouse.Open(SimulatedMouse::kInputCollectionPath, platform::HidAccess::Read);
        const auto out = mouse.Open(SimulatedMouse::kFeatureCollectionPath, platform::HidAccess::Write);
        const auto outCaps =
            mouse.GetCaps(mouse.Open(SimulatedMouse::kFeatureCollectionPath, platform::HidAccess::Query));
        const auto inCaps = mouse.GetCaps(mouse.Open(SimulatedMouse::kInputCollectionPath, platform::HidAccess::Query));
        ASSERT_TRUE(outCaps && inCaps);
        session.link.WriteChannel = Channel{ChannelState::Open, out, *outCaps};
        session.link.readEndpointStorage = ReadEndpoint{in, inCaps->inputReportLength};
        session.link.readEndpoint.store(&session.link.readEndpointStorage);
        // Device button 1 reports to the program (device function 0).
        const std::uint8_t setFunction[8] = {7, 0x10, 1, 0, 0, 0, 0, 0};
        mouse.SetFeature(out, setFunction, sizeof setFunction);
        settings.config.K0 = 41;
        macro::MacroRecord record;
        record.eventCount = 2;
        record.events[0] = {0x04, macro::ActionPress};
        record.delays[0] = 30;
        record.events[1] = {0x04, macro::ActionRelease};
        record.delays[1] = 15;
        macros.user[0] = record;
        StartWorkers();
    }

    // Reports the program sent after set-up, bytes as sent.
    std::vector<std::vector<std::uint8_t>> Sent() {
        std::vector<std::vector<std::uint8_t>> out;
        for (const auto& report : mouse.Log()) {
            if (report.direction == platform::sim::ReportDirection::Out && report.bytes.size() > 1 &&
                report.bytes[1] != 0x10) {
                out.push_back(report.bytes);
            }
        }
        return out;
    }
    std::vector<std::int64_t> SentTimes() {
        std::vector<std::int64_t> times;
        for (const auto& report : mouse.Log()) {
            if (report.direction == platform::sim::ReportDirection::Out && report.bytes[1] != 0x10) {
                times.push_back(report.microsSinceStart);
            }
        }
        return times;
    }
};

TEST_F(WorkerThreadsTest, StartsBothWorkersAtTheHighestPriority) {
    EXPECT_EQ(fakes.threads.Priorities(),
              (std::vector{platform::ThreadPriority::Highest, platform::ThreadPriority::Highest}));
}

TEST_F(WorkerThreadsTest, PressPlaysTheMacroWithItsDelays) {
    mouse.Press(1);
    mouse.Release(1);
    ASSERT_TRUE(WaitFor([this] { return Sent().size() >= 4; }));
    ASSERT_TRUE(WaitFor([this] { return !session.ActionRunning.load(); }));
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[0], (std::vector<std::uint8_t>{7, 0x15, 0x04, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sent[1], (std::vector<std::uint8_t>{7, 0x15, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sent[2][1], 0x16);
    EXPECT_EQ(sent[2][3], 0xFF);
    EXPECT_EQ(sent[3], (std::vector<std::uint8_t>{7, 0x15, 0, 0, 0, 0, 0, 0}));
    const auto times = SentTimes();
    EXPECT_GE(times[1] - times[0], 30000);  // never before its delay
    EXPECT_EQ(mouse.Firmware().keysHeld, (std::array<std::uint8_t, 6>{}));
}

TEST_F(WorkerThreadsTest, HoldModeEndsAfterTheReleaseAtThePassEnd) {
    {
        std::lock_guard lock(settings.ConfigLock);
        settings.config.MACRO_MODE2 = 1;
    }
    mouse.Press(1);
    ASSERT_TRUE(WaitFor([this] { return Sent().size() >= 9; }));  // into pass 3
    mouse.Release(1);
    ASSERT_TRUE(WaitFor([this] { return !session.ActionRunning.load(); }));
    const auto sent = Sent();
    ASSERT_EQ(sent.size() % 4, 0u);  // whole passes only
    EXPECT_EQ(sent.back(), (std::vector<std::uint8_t>{7, 0x15, 0, 0, 0, 0, 0, 0}));
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
    EXPECT_EQ(Sent().size(), sent.size());
}

TEST_F(WorkerThreadsTest, TheMacroCanBeEditedWhileItPlays) {
    {
        std::lock_guard lock(settings.ConfigLock);
        settings.config.MACRO_MODE2 = 1;  // plays for as long as the button is held
    }
    macros.userMacroCount = 1;
    fakes.window.editorControls.Create({});
    ui::EditorState editor;
    const ui::EditorContext context{macros, settings.ConfigLock, editor, fakes.window.editorControls};
    mouse.Press(1);
    ASSERT_TRUE(WaitFor([this] { return Sent().size() >= 2; }));
    for (int round = 0; round < 40; ++round) {
        ui::InsertMacroEvent(context, fakes.window, 0, 1, macro::MouseLeftCode, macro::ActionPress);
        editor.menuMacro = 0;
        editor.clickedEvent = 1;
        ui::DeleteMacroEvent(context);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    mouse.Release(1);
    ASSERT_TRUE(WaitFor([this] { return !session.ActionRunning.load(); }));
    EXPECT_EQ(macros.user[0].eventCount, 2);
    EXPECT_EQ(Sent().back(), (std::vector<std::uint8_t>{7, 0x15, 0, 0, 0, 0, 0, 0}));
}

// Started in the tray with no mouse: the workers run, but the listener has
// nothing to read and sleeps (no time-out) until discovery publishes the
// read channel, or until the workers are stopped.
class WorkersBeforeTheMouse : public RealWorkers {
protected:
    void SetUp() override { StartWorkers(); }
};

TEST_F(WorkersBeforeTheMouse, TheListenerReadsOnlyOnceDiscoveryOpensTheReadChannel) {
    const auto write = mouse.Open(SimulatedMouse::kFeatureCollectionPath, platform::HidAccess::Write);
    const std::uint8_t reportPresses[8] = {7, 0x10, 1, 0, 0, 0, 0, 0};
    mouse.SetFeature(write, reportPresses, sizeof reportPresses);
    mouse.Press(1);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(session.PendingEventCode.load(), 0);  // queued, not read

    ASSERT_TRUE(FindMouse(session, mouse));
    WaitFor([this] { return session.PendingEventCode.load() != 0; });
    EXPECT_EQ(session.PendingEventCode.load(), 0xF1);
}

TEST_F(WorkersBeforeTheMouse, StoppingEndsAListenerThatNeverHadAReadChannel) {
    StopDeviceWorkers(session);
    fakes.threads.JoinAll();  // returns: both workers ended
    EXPECT_NE(session.link.readEndpoint.load(), nullptr);
    EXPECT_EQ(session.link.readEndpoint.load()->handle, platform::kInvalidHidHandle);
}

}  // namespace
}  // namespace vx::device
