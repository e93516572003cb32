#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/macro_recorder.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/fake_main_window.h"

namespace vx::macro {
namespace {

using platform::messages::kKeyDown;
using platform::messages::kKeyUp;
using platform::messages::kRightButtonUp;
using platform::messages::kSysKeyDown;
using Lines = std::vector<std::string>;

constexpr std::uint32_t kVkA = 0x41;
constexpr std::uint32_t kVkB = 0x42;
constexpr std::uint32_t kVkLShift = 0xA0;

class RecorderTest : public ::testing::Test {
protected:
    RecorderTest() {
        window.editorControls.Create({});
        StoreName(macros.user[0], "rec");
        macros.user[0].eventCount = 5;  // cleared by the start
        macros.userMacroCount = 1;
        RefreshMacroList(context);
    }
    // A key message at `ms` since midnight UTC.
    KeyMessageOutcome Key(std::uint32_t message, std::uint32_t vk, std::int32_t ms) {
        clock.utcTimeOfDayMs = ms;
        return RecordKeyMessage(context, clock, message, vk);
    }
    const MacroRecord& Recorded() const { return macros.user[0]; }

    MacroStore macros;
    std::mutex lock;
    EditorState editor;
    platform::testing::FakeMainWindow window;
    platform::testing::FakeClock clock;
    platform::testing::FakeListBox& events = window.editorControls.eventList;
    EditorContext context{macros, lock, editor, window.editorControls};
};

TEST_F(RecorderTest, PressesAndReleasesBecomeEventsWithTheirPauses) {
    StartRecording(context, window);
    EXPECT_EQ(window.hookInstalls, 1);
    EXPECT_EQ(Recorded().eventCount, 0);
    EXPECT_EQ(NameText(Recorded()), "rec");
    EXPECT_FALSE(window.editorControls.repeatCount.enabled);
    Key(kKeyDown, kVkA, 1000);
    EXPECT_EQ(Recorded().delays[0], 0);  // one event: no pause yet
    Key(kKeyDown, kVkA, 1030);           // a repeat of the held key
    Key(kKeyUp, kVkA, 1050);
    Key(kKeyDown, kVkB, 1150);
    Key(kKeyUp, kVkB, 1200);
    StopRecording(context, window);
    EXPECT_EQ(window.hookRemovals, 1);
    EXPECT_FALSE(editor.recording);
    ASSERT_EQ(Recorded().eventCount, 4);
    EXPECT_EQ(Recorded().events[0], (MacroEvent{0x04, ActionPress}));
    EXPECT_EQ(Recorded().events[3], (MacroEvent{0x05, ActionRelease}));
    EXPECT_EQ((std::vector<int>(Recorded().delays.begin(), Recorded().delays.begin() + 4)),
              (std::vector<int>{50, 100, 50, 30}));
    EXPECT_EQ(events.lines, (Lines{"[↓]A", "    50ms", "[↑]A", "    100ms", "[↓]B", "    50ms", "[↑]B"}));
    EXPECT_EQ(events.selected, 6);
}

TEST_F(RecorderTest, UnknownReleasesPressLimitsAndATenthHeldKeyAreHandedOn) {
    StartRecording(context, window);
    EXPECT_EQ(Key(kKeyUp, kVkB, 0), KeyMessageOutcome::HandedOn);  // held before the start
    EXPECT_EQ(Recorded().events[0].code, 0x05);  // its code is left in the unused slot
    Key(kSysKeyDown, kVkLShift, 10);
    EXPECT_EQ(events.lines.back(), "[↓]LSHIFT");
    for (std::uint32_t vk = 0x30; vk < 0x38; ++vk) Key(kKeyDown, vk, 20);  // nine held
    EXPECT_EQ(Key(kKeyDown, 0x39, 30), KeyMessageOutcome::HandedOn);
    EXPECT_EQ(Key(kKeyUp, 0x39, 40), KeyMessageOutcome::HandedOn);
    EXPECT_EQ(editor.recorder.recordedCount, 9);
    EXPECT_EQ(Key(kKeyUp, 0x30, 50), KeyMessageOutcome::Finished);
    EXPECT_EQ(editor.recorder.heldCount, 8);
}

TEST_F(RecorderTest, RecordingStopsGrowingAtTheLengthAndPressLimits) {
    StartRecording(context, window);
    for (int i = 0; i < 120; ++i) {
        Key(kKeyDown, kVkA, i * 10);
        Key(kKeyUp, kVkA, i * 10 + 5);
    }
    EXPECT_EQ(editor.pressCount, kMaxRecordedPresses);
    EXPECT_EQ(editor.recorder.recordedCount, 216);
    EXPECT_EQ(Key(kKeyDown, kVkB, 5000), KeyMessageOutcome::Finished);  // length limit first
    StopRecording(context, window);
    EXPECT_EQ(Recorded().eventCount, 216);
}

TEST_F(RecorderTest, PausesAcrossMidnightAndBeyondSixteenBits) {
    for (const auto& [from, to, expected] : std::vector<std::tuple<std::int32_t, std::int32_t, std::int32_t>>{
             {86'399'950, 50, 100}, {0, 70'000, 65535}, {500, 500, 0}}) {
        editor.recorder.lastEventTime = from;
        clock.utcTimeOfDayMs = to;
        EXPECT_EQ(ElapsedSinceLastEvent(editor.recorder, clock), expected);
    }
}

TEST_F(RecorderTest, EnterEscapeAndF10AreConsumedRecordingOrNot) {
    const PreTranslateInputs inputs{};
    for (bool recording : {false, true}) {
        if (recording) StartRecording(context, window);
        for (const auto& [message, key, consumed] : std::vector<std::tuple<std::uint32_t, std::uintptr_t, bool>>{
                 {kKeyDown, 0x0D, true}, {kKeyDown, 0x1B, true}, {kSysKeyDown, 0x79, true}, {0x0200, 0x79, true},
                 {kKeyDown, 0x41, false}, {kKeyUp, 0x0D, false}}) {
            PreTranslateInputs in = inputs;
            in.message = message;
            in.wParam = key;
            // While recording, a key up of a key never pressed goes to the dialog.
            const bool expected = consumed && !(recording && message == kKeyUp);
            EXPECT_EQ(PreTranslateMessage(context, window, clock, in), expected)
                << recording << " " << message << " " << key;
        }
    }
    // Recorded keys went into the macro instead of the window.
    EXPECT_EQ(events.lines.front(), "[↓]RETURN");
}

TEST_F(RecorderTest, RightClickOpensTheEventMenuOnlyOnTheAdvancedPageWithoutRecording) {
    platform::testing::FakeMenu menu;
    PreTranslateInputs in{kRightButtonUp, 0, false, &menu};
    PreTranslateMessage(context, window, clock, in);
    EXPECT_TRUE(window.contextMenus.empty());
    in.advancedPageShown = true;
    PreTranslateMessage(context, window, clock, in);
    EXPECT_EQ(window.contextMenus.size(), 1u);
    StartRecording(context, window);
    PreTranslateMessage(context, window, clock, in);
    EXPECT_EQ(window.contextMenus.size(), 1u);
}

}  // namespace
}  // namespace vx::macro
