#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/event_lines.h"
#include "ui/macro_editor.h"
#include "macro/macro_files.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/map_profile_files.h"

namespace vx::ui {
namespace {

using namespace vx::macro;  // the records and codes the editor works on

using ::testing::ElementsAre;
using Lines = std::vector<std::string>;

constexpr std::uint8_t kA = 0x04;

MacroRecord Macro(const std::string& name, std::vector<std::pair<MacroEvent, std::uint16_t>> events) {
    MacroRecord record;
    StoreName(record, name);
    record.repeatCount = 1;
    record.eventCount = static_cast<std::uint8_t>(events.size());
    for (std::size_t k = 0; k < events.size(); ++k) {
        record.events[k] = events[k].first;
        record.delays[k] = events[k].second;
    }
    return record;
}

class MacroEditorTest : public ::testing::Test {
protected:
    MacroEditorTest() {
        macros.userMacroFile = "C:\\vx\\Macro_EN.dat";
        window.editorControls.Create({});
    }
    void Give(std::vector<MacroRecord> records) {
        for (std::size_t i = 0; i < records.size(); ++i) macros.user[i] = records[i];
        macros.userMacroCount = static_cast<std::int16_t>(records.size());
    }
    // A right-click on `line` of the event list, choosing `command` in the menu.
    void RightClickAndChoose(int line, int command) {
        window.cursor = Point{510, events.screenRect.top + line * events.lineHeight + 3};
        RightClickEventList(context, window, &menu);
        EventMenuCommand chosen;
        ASSERT_TRUE(FindEventMenuCommand(command, chosen));
        RunEventMenuCommand(context, window, chosen);
    }
    const MacroRecord& Record(int k) const { return macros.user[static_cast<std::size_t>(k)]; }

    MacroStore macros;
    std::mutex lock;
    EditorState editor;
    platform::testing::FakeMainWindow window;
    platform::testing::FakeMenu menu;
    platform::testing::FakeEditorControls& controls = window.editorControls;
    platform::testing::FakeListBox& events = controls.eventList;
    EditorContext context{macros, lock, editor, controls};
};

TEST(EventLines, KeyNamesFollowTheTable) {
    const std::vector<std::pair<std::uint8_t, std::string>> cases{
        {0x04, "A"},       {0x1D, "Z"},       {0x1E, "1"},        {0x26, "9"},         {0x27, "0"},
        {0x3A, "F1"},      {0x45, "F12"},     {0x68, "F13"},      {0x73, "F24"},       {0x59, "NUMPAD1"},
        {0x61, "NUMPAD9"}, {0x62, "NUMPAD0"}, {0x31, "\\|"},      {0x34, " ' "},       {0xE1, "LSHIFT"},
        {0xF0, "L-KEY"},   {0xF2, "M-KEY"},   {0x9C, "CLEAR"},    {0x35, "NON-AVAILABLE"}, {0x00, "NON-AVAILABLE"},
        {0x58, "NON-AVAILABLE"}, {0x9D, "NON-AVAILABLE"}, {0xE8, "NON-AVAILABLE"}, {0xF3, "NON-AVAILABLE"}};
    for (const auto& [code, name] : cases) EXPECT_EQ(KeyName(code), name) << int(code);
    EXPECT_EQ(EventLineText({kA, ActionPress}), "[↓]A");
    EXPECT_EQ(EventLineText({kA, ActionRelease}), "[↑]A");
    EXPECT_EQ(EventLineText({kA, 7}), "A");
    EXPECT_EQ(DelayLineText(250), "    250ms");
}

TEST_F(MacroEditorTest, RefreshShowsNamesAndTheSelectedMacrosLinesWithCounters) {
    Give({Macro("one", {}), Macro("two", {{{kA, ActionPress}, 40}, {{kA, ActionRelease}, 30}})});
    macros.user[1].repeatEnabled = 1;
    macros.user[1].repeatCount = 7;
    macros.selectedMacro = 5;  // beyond the list: the last line
    RefreshMacroList(context);
    EXPECT_EQ(controls.macroList.lines, (Lines{"one", "two"}));
    EXPECT_EQ(macros.selectedMacro, 1);
    EXPECT_EQ(controls.name.text, "two");
    EXPECT_EQ(events.lines, (Lines{"[↓]A", "    40ms", "[↑]A"}));
    EXPECT_EQ(editor.pressCount, 1);
    EXPECT_EQ(editor.releaseCount, 1);
    EXPECT_EQ(controls.repeatCount.text, "7");
    EXPECT_TRUE(controls.repeatCount.enabled);
}

TEST_F(MacroEditorTest, EventCommandsInsertDeleteAndEditDelays) {
    menu.Add("x", 1);
    Give({Macro("m", {{{kA, ActionPress}, 40}, {{kA, ActionRelease}, 30}})});
    RefreshMacroList(context);

    RightClickAndChoose(1, 32780);  // Modify Delay on the delay line
    EXPECT_THAT(events.charactersSent, ElementsAre(1));
    events.lines[1] = "250";
    ApplyEditedDelay(context);
    EXPECT_EQ(Record(0).delays[0], 250);
    EXPECT_EQ(events.lines[1], "    250ms");

    RightClickAndChoose(0, 32780);  // on an event line: nothing opens
    EXPECT_EQ(events.charactersSent.size(), 1u);

    RightClickAndChoose(2, 32829);  // Chinese id: insert after, left press
    EXPECT_EQ(Record(0).eventCount, 3);
    EXPECT_EQ(Record(0).events[2], (MacroEvent{MouseLeftCode, ActionPress}));
    EXPECT_EQ(Record(0).delays[2], 30);
    EXPECT_EQ(events.lines.back(), "[↓]L-KEY");
    EXPECT_EQ(events.selected, 4);

    RightClickAndChoose(0, 32807);  // insert before, middle release
    EXPECT_EQ(Record(0).events[0], (MacroEvent{MouseMiddleCode, ActionRelease}));
    EXPECT_EQ(Record(0).events[1], (MacroEvent{kA, ActionPress}));
    EXPECT_EQ(events.selected, 2);

    RightClickAndChoose(1, 32781);  // Delete on a delay line deletes the event before it
    EXPECT_EQ(Record(0).eventCount, 3);
    EXPECT_EQ(Record(0).events[0], (MacroEvent{kA, ActionPress}));
    EXPECT_EQ(Record(0).delays[0], 250);
}

TEST_F(MacroEditorTest, DelayEditsAreReadAsNumbersAndHeldToSixteenBits) {
    Give({Macro("m", {{{kA, ActionPress}, 40}, {{kA, ActionRelease}, 30}})});
    RefreshMacroList(context);
    for (const auto& [typed, stored] : std::vector<std::pair<std::string, int>>{
             {"70ms", 70}, {"abc", 0}, {"  12 ms", 12}, {"70000", 65535}, {"-5", 0}}) {
        window.cursor = Point{510, events.screenRect.top + 16 + 3};
        RightClickEventList(context, window, nullptr);
        events.lines[1] = typed;
        ApplyEditedDelay(context);
        EXPECT_EQ(Record(0).delays[0], stored) << typed;
    }
}

TEST_F(MacroEditorTest, RightClickOffersTheMenuOnlyOnALineOrAnEmptyList) {
    Give({Macro("m", {{{kA, ActionPress}, 40}, {{kA, ActionRelease}, 30}})});
    RefreshMacroList(context);
    window.cursor = Point{510, events.screenRect.top + 3 * 16 + 3};  // below the last line
    RightClickEventList(context, window, &menu);
    EXPECT_TRUE(window.contextMenus.empty());
    window.cursor = Point{events.screenRect.right + 5, events.screenRect.top + 3};  // beside the list
    RightClickEventList(context, window, &menu);
    EXPECT_TRUE(window.contextMenus.empty());

    Give({Macro("m", {})});
    RefreshMacroList(context);
    window.cursor = Point{510, events.screenRect.top + 40};
    RightClickEventList(context, window, &menu);
    ASSERT_EQ(window.contextMenus.size(), 1u);
    EventMenuCommand after;
    ASSERT_TRUE(FindEventMenuCommand(32813, after));  // insert after, middle press
    RunEventMenuCommand(context, window, after);
    EXPECT_EQ(Record(0).eventCount, 1);
    EXPECT_EQ(events.lines, (Lines{"[↓]M-KEY"}));
}

TEST_F(MacroEditorTest, TheTwoHundredFiftyFifthEventOverflows) {
    MacroRecord full = Macro("m", {});
    full.eventCount = kMaxMacroEvents;
    Give({full});
    RefreshMacroList(context);
    editor.menuMacro = 0;
    const MacroRecord before = Record(0);
    EXPECT_FALSE(InsertMacroEvent(context, window, 0, 3, MouseLeftCode, ActionPress));
    EXPECT_EQ(Record(0), before);
    ASSERT_EQ(window.MessageBoxes().size(), 1u);
    EXPECT_EQ(window.MessageBoxes()[0].first, "Overflow!!!");
}

TEST_F(MacroEditorTest, AddAndDeleteMacros) {
    Give({Macro("one", {{{kA, ActionPress}, 10}}), Macro("two", {})});
    RefreshMacroList(context);
    controls.name.text = "one";  // an existing name selects it, lists unchanged
    AddMacro(context);
    EXPECT_EQ(macros.selectedMacro, 0);
    EXPECT_EQ(macros.userMacroCount, 2);
    controls.name.text = "a name longer than nineteen";
    AddMacro(context);
    EXPECT_EQ(macros.userMacroCount, 3);
    EXPECT_EQ(NameText(Record(2)), "a name longer than ");
    EXPECT_EQ(controls.macroList.lines.back(), "a name longer than ");
    EXPECT_EQ(controls.macroList.selected, 2);
    EXPECT_TRUE(events.lines.empty());
    controls.name.text = "";
    AddMacro(context);
    EXPECT_EQ(macros.userMacroCount, 3);

    controls.macroList.selected = 0;
    DeleteMacro(context);
    EXPECT_EQ(controls.macroList.lines, (Lines{"two", "a name longer than "}));
    EXPECT_EQ(NameText(Record(0)), "two");
    EXPECT_EQ(controls.name.text, "two");
    EXPECT_EQ(Record(2).eventCount, 0);
    EXPECT_EQ(Record(2).repeatCount, 1);
    DeleteMacro(context);
    DeleteMacro(context);
    EXPECT_EQ(macros.userMacroCount, 0);
    EXPECT_EQ(controls.name.text, "");
    EXPECT_EQ(controls.repeatCount.text, "1");
    EXPECT_FALSE(controls.repeatCount.enabled);
    DeleteMacro(context);  // none left: nothing
    EXPECT_EQ(macros.userMacroCount, 0);
}

TEST_F(MacroEditorTest, CommitRepeatCountHoldsTheValueInRangeAndSavesEveryMacro) {
    platform::testing::MapProfileFiles files;
    Give({Macro("one", {}), Macro("two", {})});
    macros.selectedMacro = 1;
    RefreshMacroList(context);
    for (const auto& [typed, stored, shown] : std::vector<std::tuple<std::string, int, std::string>>{
             {"0", 1, "1"}, {"abc", 1, "1"}, {"70000", 65535, "65535"}, {" 42x", 42, " 42x"}}) {
        controls.repeatCount.text = typed;
        CommitRepeatCount(context, files);
        EXPECT_EQ(Record(1).repeatCount, stored) << typed;
        EXPECT_EQ(controls.repeatCount.text, shown);
        EXPECT_EQ(files.ReadString(macros.userMacroFile, "Macros", "macroNum", 64), "2");
        EXPECT_GT(files.writes, 0);
        files.writes = 0;
    }
    ToggleRepeat(context, window);
    EXPECT_EQ(Record(1).repeatEnabled, 1);
    EXPECT_EQ(controls.repeatCount.text, "42");
    EXPECT_TRUE(controls.repeatCount.enabled);
}

}  // namespace
}  // namespace vx::ui
