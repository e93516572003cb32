#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/macro_recorder.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/fake_main_window.h"

namespace vx::ui {
namespace {

using namespace vx::macro;  // the records and codes the editor works on

using platform::KeyAction;
using platform::KeyEvent;
using Lines = std::vector<std::string>;

constexpr std::uint32_t kVkA = 0x41;
constexpr std::uint32_t kVkB = 0x42;
constexpr std::uint32_t kVkLShift = 0xA0;
constexpr KeyAction kKeyDown = KeyAction::Down;
constexpr KeyAction kKeyUp = KeyAction::Up;

KeyEvent Event(KeyAction action, std::uint32_t code, bool menuKey = false, bool autoRepeat = false) {
    return KeyEvent{action, code, menuKey, autoRepeat};
}

class RecorderTest : public ::testing::Test {
protected:
    RecorderTest() {
        window.editorControls.Create({});
        StoreName(macros.user[0], "rec");
        macros.user[0].eventCount = 5;  // cleared by the start
        macros.userMacroCount = 1;
        RefreshMacroList(context);
    }
    // A key event at `ms` since midnight UTC.
    KeyEventOutcome Key(KeyAction action, std::uint32_t vk, std::int32_t ms, bool autoRepeat = false) {
        clock.utcTimeOfDayMs = ms;
        return RecordKeyEvent(context, clock, Event(action, vk, false, autoRepeat));
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
    Key(kKeyUp, kVkA, 1035, true);       // the keyboard's repeat as a release and a press
    Key(kKeyDown, kVkA, 1036, true);
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

TEST_F(RecorderTest, StopEndsTheRecordingEvenWhenTheMacroListWasEmptied) {
    StartRecording(context, window);
    window.editorControls.macroList.lines.clear();
    StopRecording(context, window);
    EXPECT_FALSE(editor.recording);
    EXPECT_EQ(window.hookRemovals, 1);
}

TEST_F(RecorderTest, UnknownReleasesPressLimitsAndATenthHeldKeyAreHandedOn) {
    StartRecording(context, window);
    EXPECT_EQ(Key(kKeyUp, kVkB, 0), KeyEventOutcome::HandedOn);  // held before the start
    EXPECT_EQ(Recorded().events[0].code, 0x05);  // its code is left in the unused slot
    RecordKeyEvent(context, clock, Event(kKeyDown, kVkLShift, true));
    EXPECT_EQ(events.lines.back(), "[↓]LSHIFT");
    for (std::uint32_t vk = 0x30; vk < 0x38; ++vk) Key(kKeyDown, vk, 20);  // nine held
    EXPECT_EQ(Key(kKeyDown, 0x39, 30), KeyEventOutcome::HandedOn);
    EXPECT_EQ(Key(kKeyUp, 0x39, 40), KeyEventOutcome::HandedOn);
    EXPECT_EQ(editor.recorder.recordedCount, 9);
    EXPECT_EQ(Key(kKeyUp, 0x30, 50), KeyEventOutcome::Finished);
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
    EXPECT_EQ(Key(kKeyDown, kVkB, 5000), KeyEventOutcome::Finished);  // length limit first
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
    for (bool recording : {false, true}) {
        if (recording) StartRecording(context, window);
        for (const auto& [event, consumed] : std::vector<std::pair<KeyEvent, bool>>{
                 {Event(kKeyDown, 0x0D), true}, {Event(kKeyDown, 0x1B), true}, {Event(kKeyDown, 0x79, true), true},
                 {Event(KeyAction::Character, 'y'), false}, {Event(KeyAction::Character, 'Y'), false},
                 {Event(kKeyDown, 0x0D, true), false}, {Event(kKeyDown, 0x41), false}, {Event(kKeyUp, 0x0D), false}}) {
            // While recording, a key up of a key never pressed goes to the window.
            const bool expected = consumed && !(recording && event.action == kKeyUp);
            EXPECT_EQ(FilterKey(context, clock, event), expected)
                << recording << " " << static_cast<int>(event.action) << " " << event.code;
        }
    }
    // Recorded keys went into the macro instead of the window.
    EXPECT_EQ(events.lines.front(), "[↓]RETURN");
}

TEST_F(RecorderTest, RightClickOpensTheEventMenuOnlyOnTheAdvancedPageWithoutRecording) {
    platform::testing::FakeMenu menu;
    FilterRightButtonUp(context, window, false, &menu);
    EXPECT_TRUE(window.contextMenus.empty());
    FilterRightButtonUp(context, window, true, &menu);
    EXPECT_EQ(window.contextMenus.size(), 1u);
    StartRecording(context, window);
    FilterRightButtonUp(context, window, true, &menu);
    EXPECT_EQ(window.contextMenus.size(), 1u);
}

}  // namespace
}  // namespace vx::ui
