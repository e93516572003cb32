// The idle player sleeps until a press is handed over: no time-out, so an
// idle program costs no wake-ups; the hand-over and a stop wake it at once.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "device/action_player.h"
#include "device/listener_player_support.h"
#include "device/workers.h"

namespace vx::device {
namespace {

using namespace test_support;
using Steady = std::chrono::steady_clock;

bool WaitUntil(const std::function<bool()>& done) {
    const auto until = Steady::now() + std::chrono::seconds(5);
    while (!done()) {
        if (Steady::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

TEST(WakeSignalTest, WaitsUntilNotifiedAndKeepsAnEarlyNotification) {
    WakeSignal wake;
    wake.Notify();
    wake.WaitForWake();  // the earlier notification is not lost

    std::atomic<bool> woken{false};
    std::thread waiter([&] {
        wake.WaitForWake();
        woken = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(woken.load());
    wake.Notify();
    waiter.join();
    EXPECT_TRUE(woken.load());
}

class PlayerWakeTest : public ::testing::Test, public WorkerFixture {};

TEST_F(PlayerWakeTest, IdlePlayerSleepsUntilTheHandOverAndEndsOnStop) {
    WakeSignal& signal = session.player.wake;
    WorkerContext playing{settings, session, macros, hid, clock, shell, repaint, profiles, diagnostics, signal};
    WorkerContext listening{settings, session, macros, hid, listenerClock, shell, repaint, profiles, diagnostics, signal};
    // Each idle step clears a stale stop: once this one is cleared the
    // player sleeps, and a player that woke on its own would clear the next.
    session.StopRequested = true;
    std::thread thread([&playing] { ActionPlayer(playing); });
    ASSERT_TRUE(WaitUntil([this] { return !session.StopRequested.load(); }));
    session.StopRequested = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(session.StopRequested.load());

    settings.config.K0 = 24;  // device button 1: volume up, one report
    hid.QueueInput({6, 0xF1, 0x01});
    InputListenerStep(listening, inputBuffer);
    EXPECT_TRUE(WaitUntil([this] { return hid.FeatureReports().size() == 1 && !session.ActionRunning.load(); }));
    EXPECT_EQ(Describe(Sent()), (std::vector<std::string>{"consumer 00E9"}));

    const auto stopAt = Steady::now();
    StopDeviceWorkers(session);
    thread.join();
    EXPECT_LT(Steady::now() - stopAt, std::chrono::milliseconds(500));
}

}  // namespace
}  // namespace vx::device
