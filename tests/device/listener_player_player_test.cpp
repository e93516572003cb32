#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "device/action_player.h"
#include "device/delay_pacer.h"
#include "device/driver_exit.h"
#include "device/listener_player_support.h"

namespace vx::device {
namespace {

using namespace test_support;

using macro::ActionPress;
using macro::ActionRelease;
using ::testing::ElementsAre;

constexpr std::uint8_t kA = 0x04;
constexpr std::uint8_t kB = 0x05;

// One full pass of the two-event macro below, as the mouse sees it.
const std::vector<std::string> kOnePass{"keys 04", "keys", "mouse FF", "keys"};

class PlayerTest : public ::testing::Test, public WorkerFixture {
protected:
    void SetUp() override {
        settings.config.K0 = 41;  // button 0 = device button 1 = event 0xF1
        macro::MacroRecord record = KeyMacro({{{kA, ActionPress}, 20}, {{kA, ActionRelease}, 0}});
        record.repeatEnabled = 1;
        record.repeatCount = 3;
        macros.user[0] = record;
    }
    std::vector<std::string> Passes(int n) {
        std::vector<std::string> out;
        for (int i = 0; i < n; ++i) out.insert(out.end(), kOnePass.begin(), kOnePass.end());
        return out;
    }
};

TEST_F(PlayerTest, ToggleModePlaysTheRepeatCountWithDelaysAndReleases) {
    Report({6, 0xF1, 0x01});
    ASSERT_TRUE(session.ActionRunning.load());
    ActionPlayerStep(player);
    EXPECT_EQ(Describe(Sent()), Passes(3));
    // Event delays (0 raised to 15), then 10 + 10 of release, per pass.
    EXPECT_EQ(clock.Sleeps(), (std::vector<int>{20, 15, 10, 10, 20, 15, 10, 10, 20, 15, 10, 10, 2}));
    EXPECT_FALSE(session.ActionRunning.load());
    EXPECT_FALSE(session.StopRequested.load());
}

TEST_F(PlayerTest, AnEndDuringAPauseLetsGoOfTheHeldKeyAndNothingIsSentAfter) {
    Report({6, 0xF1, 0x01});
    // The program ends in the pause after the key went down.
    clock.At(10'000, [this] { HaltPlaybackAndReleaseAll(session, ReportSink{hid, diagnostics}); });
    ActionPlayerStep(player);
    EXPECT_EQ(Describe(Sent()), (std::vector<std::string>{"keys 04", "mouse FF", "keys"}));
}

TEST_F(PlayerTest, ToggleModeSecondPressEndsAfterTheCurrentPass) {
    Report({6, 0xF1, 0x01});
    clock.At(5000, [this] { Report({6, 0xF1, 0x01}); });
    ActionPlayerStep(player);
    EXPECT_EQ(Describe(Sent()), Passes(1));
    EXPECT_FALSE(session.ActionRunning.load());
    EXPECT_FALSE(session.StopRequested.load());
    // The next press starts a new action.
    Report({6, 0xF1, 0x01});
    EXPECT_TRUE(session.ActionRunning.load());
}

TEST_F(PlayerTest, HoldModeRepeatsUntilTheReleaseAndIgnoresPresses) {
    settings.config.MACRO_MODE2 = 1;
    Report({6, 0xF1, 0x01});
    // One pass lasts 55 ms: a press in pass 1 changes nothing, the release
    // in pass 3 ends playback after that pass.
    clock.At(10000, [this] {
        Report({6, 0xF3, 0x01});
        EXPECT_FALSE(session.StopRequested.load());
    });
    clock.At(120000, [this] { Report({6, 0xF1, 0x80}); });
    ActionPlayerStep(player);
    EXPECT_EQ(Describe(Sent()), Passes(3));
}

TEST_F(PlayerTest, HoldModeWithoutReleasePlaysTenThousandPasses) {
    settings.config.MACRO_MODE2 = 1;
    macros.user[0] = macro::MacroRecord{};  // one release per pass
    Report({6, 0xF1, 0x01});
    ActionPlayerStep(player);
    EXPECT_EQ(Sent().size(), 2u * 10000u);
}

TEST_F(PlayerTest, ConstantMacroPlaysOncePerPressEvenHeld) {
    settings.config.MACRO_MODE2 = 1;
    settings.config.K0 = 31 + 7;
    macros.constant[7] = KeyMacro({{{kB, ActionPress}, 30}, {{kB, ActionRelease}, 30}});
    macros.constant[7].repeatEnabled = 1;
    macros.constant[7].repeatCount = 5;
    Report({6, 0xF1, 0x01});
    ActionPlayerStep(player);
    EXPECT_THAT(Describe(Sent()), ElementsAre("keys 05", "keys", "mouse FF", "keys"));
}

TEST_F(PlayerTest, RepeatOffPlaysOnceAndRepeatCountZeroSendsNothing) {
    macros.user[0].repeatEnabled = 0;
    Report({6, 0xF1, 0x01});
    ActionPlayerStep(player);
    EXPECT_EQ(Describe(Sent()), Passes(1));

    hid.ClearFeatureReports();
    macros.user[0].repeatEnabled = 7;  // any non-zero value is on
    macros.user[0].repeatCount = 0;
    Report({6, 0xF1, 0x01});
    ActionPlayerStep(player);
    EXPECT_TRUE(Sent().empty());
    EXPECT_FALSE(session.ActionRunning.load());
}

TEST_F(PlayerTest, PlaysItsOwnCopyOfTheRecord) {
    Report({6, 0xF1, 0x01});
    clock.At(1000, [this] {
        std::lock_guard lock(settings.ConfigLock);
        macros.user[0] = macro::MacroRecord{};
    });
    ActionPlayerStep(player);
    EXPECT_EQ(Describe(Sent()), Passes(3));
}

TEST_F(PlayerTest, DelaysBelowFifteenAreRaisedAndLongerOnesKept) {
    const macro::MacroRecord record = KeyMacro(
        {{{kA, ActionPress}, 0}, {{kA, ActionRelease}, 14}, {{kB, ActionPress}, 300}, {{kB, ActionRelease}, 15}});
    PlayMacro(player, record, 1);
    EXPECT_EQ(clock.Sleeps(), (std::vector<int>{15, 15, 300, 15, 10, 10}));
}

TEST(DelayPacerTest, EveryPauseLastsAtLeastItsDelayFromTheCallAndLessThanAMillisecondMore) {
    // A timer that wakes early (negative) must not shorten a pause; one that
    // oversleeps must not shorten the next one to catch up.
    for (std::int64_t oversleep : {-300, 0, 400, 1500}) {
        platform::testing::FakeClock clock;
        clock.oversleepMicros = oversleep;
        DelayPacer pacer(clock);
        for (int ms : {15, 40, 1, 15, 10}) {
            const std::int64_t start = clock.NowMicros();
            pacer.Wait(ms);
            const std::int64_t gap = clock.NowMicros() - start;
            EXPECT_GE(gap, ms * 1000) << "oversleep " << oversleep << ", pause " << ms;
            EXPECT_LT(gap, ms * 1000 + 1000 + std::max<std::int64_t>(oversleep, 0)) << oversleep;
            clock.AdvanceMicros(700);  // the next report takes a while to write
        }
    }
}

TEST_F(PlayerTest, KeySlotsFollowPressOrderAndReleasesShiftDown) {
    const std::uint8_t x = 0x1B, y = 0x1C, z = 0x1D;
    SendMacroEvent(player, x, ActionPress);
    SendMacroEvent(player, y, ActionPress);
    SendMacroEvent(player, x, ActionRelease);
    SendMacroEvent(player, z, ActionRelease);
    SendMacroEvent(player, y, 3);  // unknown action: unchanged, still sent
    EXPECT_THAT(Describe(Sent()), ElementsAre("keys 1B", "keys 1B 1C", "keys 1C", "keys 1C", "keys 1C"));
    EXPECT_TRUE(clock.Sleeps().empty());
}

TEST_F(PlayerTest, SeventhKeyIsNotHeldAndTheFirstSixRepeat) {
    for (std::uint8_t key = 0x04; key < 0x04 + 7; ++key) SendMacroEvent(player, key, ActionPress);
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 7u);
    EXPECT_EQ(sent[6], (Bytes{0x15, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09}));
    EXPECT_EQ(sent[5], sent[6]);
    // Releasing the first frees the last slot.
    SendMacroEvent(player, 0x04, ActionRelease);
    EXPECT_EQ(Sent().back(), (Bytes{0x15, 0x05, 0x06, 0x07, 0x08, 0x09, 0x00}));
}

TEST_F(PlayerTest, MouseButtonsAreActiveLowAndReleaseAllRestoresEverything) {
    SendMacroEvent(player, macro::MouseLeftCode, ActionPress);
    SendMacroEvent(player, macro::MouseRightCode, ActionPress);
    SendMacroEvent(player, kA, ActionPress);
    SendMacroEvent(player, 0xF7, ActionPress);  // no such button: state unchanged
    SendMacroEvent(player, macro::MouseLeftCode, ActionRelease);
    ReleaseAll(player);
    EXPECT_THAT(Describe(Sent()),
                ElementsAre("mouse FE", "mouse FC", "keys 04", "mouse FC", "mouse FD", "mouse FF", "keys"));
    EXPECT_EQ(clock.Sleeps(), (std::vector<int>{10, 10}));
    // Byte 2 of a mouse report keeps what the previous report left there.
    const auto sent = Sent();
    EXPECT_EQ(sent[3][1], 0x04);
    EXPECT_EQ(session.player.MouseButtonState, 0xFF);
}

TEST_F(PlayerTest, ConsumerKeysAndProgramStarts) {
    settings.config.K1 = 24;  // button 1 = device button 3
    settings.config.K2 = 30;  // device button 2
    settings.config.K3 = 39;  // device button 4
    settings.config.K4 = 40;  // device button 5
    for (int event : {0xF3, 0xF2, 0xF4, 0xF5}) {
        Report({6, static_cast<std::uint8_t>(event), 0x01});
        ActionPlayerStep(player);
    }
    EXPECT_THAT(Describe(Sent()), ElementsAre("consumer 00E9", "consumer 0192"));
    EXPECT_THAT(shell.Programs(), ElementsAre("calculator", "command prompt"));
    EXPECT_TRUE(diagnostics.Lines().empty());

    shell.startProgramFails = true;
    hid.setFeatureFails = true;
    for (int event : {0xF3, 0xF4}) {
        Report({6, static_cast<std::uint8_t>(event), 0x01});
        ActionPlayerStep(player);
    }
    EXPECT_THAT(diagnostics.Lines(), ElementsAre("feature report 07 17 00 E9 not sent: the mouse refused it",
                                                 "program not started: calculator: the system refused it"));
}

TEST_F(PlayerTest, RefusedKeyReportsLeaveNoKeysOnRecord) {
    hid.setFeatureFails = true;
    Report({6, 0xF1, 0x01});
    ActionPlayerStep(player);
    ASSERT_FALSE(diagnostics.Lines().empty());
    for (const std::string& line : diagnostics.Lines()) {
        if (line.find(" 15") == std::string::npos) continue;
        EXPECT_EQ(line, "feature report 07 15 not sent: the mouse refused it");
        EXPECT_EQ(line.find(" 04"), std::string::npos) << line;  // the key A
    }
}

TEST_F(PlayerTest, DpiLevelPressIsMirroredAndSavedWithoutAReport) {
    settings.config.K5 = 6;
    session.applied.MirrorsDpiLevel[5] = true;
    Report({6, 0xF6, 0x02});
    ActionPlayerStep(player);
    EXPECT_EQ(settings.config.DPI_LEVEL, 2);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(window.postRepaintCount.load(), 1);
    EXPECT_EQ(profiles.ReadString(kConfigPath, "Config3", "DPI_LEVEL", 5), "2");
    EXPECT_FALSE(session.ActionRunning.load());
}

TEST_F(PlayerTest, ReportRatePressStepsAndWrapsTheUsbSpeed) {
    settings.config.K2 = 14;
    session.applied.MirrorsUsbSpeed[2] = true;
    settings.config.USB_SPEED = 2;
    for (int expected : {3, 0, 1}) {
        Report({6, 0xF2, 0x01});
        ActionPlayerStep(player);
        EXPECT_EQ(settings.config.USB_SPEED, expected);
        EXPECT_EQ(profiles.ReadString(kConfigPath, "Config3", "USB_SPEED", 5), std::to_string(expected));
    }
    EXPECT_EQ(window.postRepaintCount.load(), 3);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(PlayerTest, UnknownButtonGivesAnEmptyActionThatEndsAtOnce) {
    Report({6, 0xF8, 0x01});
    ASSERT_TRUE(session.ActionRunning.load());
    ActionPlayerStep(player);
    EXPECT_TRUE(Sent().empty());
    EXPECT_FALSE(session.ActionRunning.load());
    EXPECT_EQ(clock.Sleeps(), (std::vector<int>{2}));
}

TEST_F(PlayerTest, IdlePlayerClearsAStaleStopAndWaitsForTheWakeUp) {
    session.StopRequested = true;
    ActionPlayerStep(player);
    EXPECT_FALSE(session.StopRequested.load());
    EXPECT_EQ(wake.waits, 1);
    EXPECT_TRUE(clock.Sleeps().empty());

    player.idle = PlayerIdle::Poll;
    ActionPlayerStep(player);
    EXPECT_THAT(clock.Sleeps(), ElementsAre(2));
}

TEST_F(PlayerTest, WithoutAWriteChannelTimingIsUnchanged) {
    session.link.WriteChannel.state = ChannelState::Unopened;
    Report({6, 0xF1, 0x01});
    ActionPlayerStep(player);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(clock.Sleeps().size(), 13u);
}

}  // namespace
}  // namespace vx::device
