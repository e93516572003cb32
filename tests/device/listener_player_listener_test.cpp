#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "device/listener_player_support.h"

namespace vx::device {
namespace {

using namespace test_support;

using ::testing::ElementsAre;

class ListenerTest : public ::testing::Test, public WorkerFixture {
protected:
    bool Running() const { return session.ActionRunning.load(); }
    bool Stopping() const { return session.StopRequested.load(); }
};

TEST_F(ListenerTest, PressWhileIdleHandsOverCodeAndValueAndWakesThePlayer) {
    Report({6, 0xF4, 0x03, 0x55});
    EXPECT_TRUE(Running());
    EXPECT_FALSE(Stopping());
    EXPECT_EQ(session.PendingEventCode.load(), 0xF4);
    EXPECT_EQ(session.PendingEventValue.load(), 0x03);
    EXPECT_EQ(wake.notifications, 1);
    EXPECT_THAT(listenerClock.Sleeps(), ElementsAre(2));
}

TEST_F(ListenerTest, ToggleModeNextPressOfAnyButtonStopsAndReleasesAreIgnored) {
    Report({6, 0xF1, 0x80});  // release while idle
    EXPECT_FALSE(Running());
    EXPECT_FALSE(Stopping());
    Report({6, 0xF1, 0x01});
    Report({6, 0xF1, 0x80});
    EXPECT_FALSE(Stopping());
    Report({6, 0xF5, 0x01});
    EXPECT_TRUE(Stopping());
    // The running action keeps the code of the press that started it.
    EXPECT_EQ(session.PendingEventCode.load(), 0xF1);
    EXPECT_EQ(wake.notifications, 1);
}

TEST_F(ListenerTest, HoldModeReleaseStopsAndPressesDuringAnActionDoNot) {
    settings.config.MACRO_MODE2 = 2;  // any non-zero mode holds
    Report({6, 0xF1, 0x01});
    Report({6, 0xF2, 0x01});
    EXPECT_FALSE(Stopping());
    Report({6, 0xF2, 0x80});
    EXPECT_TRUE(Stopping());

    // A release while idle also raises the stop; the idle player clears it.
    session.ActionRunning = false;
    session.StopRequested = false;
    Report({6, 0xF3, 0x80});
    EXPECT_TRUE(Stopping());
    EXPECT_FALSE(Running());
}

TEST_F(ListenerTest, OtherEventsStopOnlyARunningAction) {
    Report({6, 0xF0, 0x01});
    EXPECT_FALSE(Running());
    EXPECT_FALSE(Stopping());
    Report({6, 0xF6, 0x00});
    Report({6, 0x12, 0x80});
    EXPECT_TRUE(Stopping());
}

TEST_F(ListenerTest, ReportsOfOtherIdsAreIgnored) {
    Report({5, 0xF1, 0x01});
    Report({0, 0xF1, 0x01});
    EXPECT_FALSE(Running());
    EXPECT_EQ(listenerClock.Sleeps().size(), 2u);
}

TEST_F(ListenerTest, ClosedChannelOrFailedReadPausesLongerEachTime) {
    session.link.readEndpoint.store(nullptr);
    hid.QueueInput({6, 0xF1, 0x01});
    for (int i = 0; i < 3; ++i) InputListenerStep(listener, inputBuffer);
    EXPECT_FALSE(Running());
    EXPECT_THAT(listenerClock.Sleeps(), ElementsAre(2, 4, 8));

    // Nothing was read while closed: the report is still there once open.
    OpenReadChannel(8);
    InputListenerStep(listener, inputBuffer);
    EXPECT_TRUE(Running());

    session.ActionRunning = false;
    hid.FailReads();
    for (int i = 0; i < 11; ++i) InputListenerStep(listener, inputBuffer);
    EXPECT_FALSE(Running());
    EXPECT_THAT(listenerClock.Sleeps(),
                ElementsAre(2, 4, 8, 2, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1000, 1000));
}

TEST_F(ListenerTest, ShortAndOversizedReportLengthsStayInsideTheBuffer) {
    // A one-byte report: bytes 1 and 2 read as 0, never as an older report's.
    inputBuffer.fill(0xF1);
    OpenReadChannel(1);
    Report({6, 0xF1, 0x01});
    EXPECT_FALSE(Running());

    // A declared length beyond the buffer is cut to it.
    OpenReadChannel(4000);
    std::vector<std::uint8_t> longReport(4000, 0x01);
    longReport[0] = 6;
    longReport[1] = 0xF2;
    Report(longReport);
    EXPECT_TRUE(Running());
    EXPECT_EQ(session.PendingEventCode.load(), 0xF2);

    OpenReadChannel(0);
    hid.QueueInput({6, 0xF3, 0x01});
    InputListenerStep(listener, inputBuffer);  // nothing to read into: no read at all
    EXPECT_EQ(session.PendingEventCode.load(), 0xF2);
}

}  // namespace
}  // namespace vx::device
