#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/portable/editable_list_box.h"

namespace vx::platform {
namespace {

class FakeSurface : public ListEditSurface {
public:
    std::vector<std::string> lines{"[↓]A", "    40ms", "[↑]A"};
    int selected = 1;
    bool open = false;
    std::string editorText;
    Rect editorRect;
    int replaces = 0;
    int notifications = 0;

    int SelectedLine() override { return selected; }
    Rect LineRect(int line) override { return Rect{0, 16 * line, 100, 16 * line + 16}; }
    std::string LineText(int line) override { return lines.at(static_cast<std::size_t>(line)); }
    void ReplaceLine(int line, const std::string& text) override {
        ++replaces;
        lines.at(static_cast<std::size_t>(line)) = text;
        selected = line;
    }
    void OpenEditor(const Rect& rect, const std::string& text) override {
        open = true;
        editorRect = rect;
        editorText = text;
    }
    bool EditorOpen() override { return open; }
    std::string EditorText() override { return editorText; }
    void CloseEditor() override { open = false; }
    void NotifyEditEnded() override { ++notifications; }
};

TEST(EditableListBox, OnlyCtrlAOnASelectedLineOpensTheEditorOverTheLine) {
    FakeSurface surface;
    EditableListBox list(surface);
    list.OnCharacter('a');
    EXPECT_FALSE(surface.open);
    surface.selected = -1;
    list.OnCharacter(1);
    EXPECT_FALSE(surface.open);
    surface.selected = 1;
    list.OnCharacter(1);
    ASSERT_TRUE(surface.open);
    EXPECT_EQ(surface.editorRect, (Rect{0, 14, 100, 34}));
    EXPECT_EQ(surface.editorText, "    40ms");
    EXPECT_EQ(list.EditIndex(), 1);
}

TEST(EditableListBox, EnterCommitsEscapeCancelsAndOnlyAChangedCommitReplacesTheLine) {
    struct Case {
        const char* name;
        std::string typed;
        std::vector<KeyEvent> keys;
        std::string line;
        int replaces;
        int notifications;
    };
    const KeyEvent enterDown = KeyDown(Key::Return), enterUp = KeyUp(Key::Return);
    const KeyEvent escapeDown = KeyDown(Key::Escape), escapeUp = KeyUp(Key::Escape);
    for (const Case& c : {
             Case{"enter", "250", {enterDown, enterUp}, "250", 1, 1},
             Case{"escape", "250", {escapeDown, escapeUp}, "    40ms", 0, 1},
             Case{"unchanged", "    40ms", {enterDown, enterUp}, "    40ms", 0, 1},
             // The release of a press made before the field opened.
             Case{"stray release", "250", {enterUp, escapeUp}, "    40ms", 0, 0},
             Case{"other key", "250", {KeyDown(Key{0x41}), enterUp}, "    40ms", 0, 0},
             Case{"focus lost", "250", {}, "250", 1, 1},
         }) {
        FakeSurface surface;
        EditableListBox list(surface);
        list.OnCharacter(1);
        surface.editorText = c.typed;
        for (const KeyEvent& key : c.keys) list.OnEditorKey(key);
        if (c.keys.empty()) list.OnEditorFocusLost();
        EXPECT_EQ(surface.lines[1], c.line) << c.name;
        EXPECT_EQ(surface.replaces, c.replaces) << c.name;
        EXPECT_EQ(surface.notifications, c.notifications) << c.name;
        EXPECT_EQ(list.EditIndex(), c.notifications == 1 ? -1 : 1) << c.name;
        list.EndEdit(false);  // ends what is still open; never a second notification
        EXPECT_EQ(surface.notifications, 1) << c.name;
    }
}

TEST(EditableListBox, ScrollingOrResizingCommitsTheOpenEdit) {
    FakeSurface surface;
    EditableListBox list(surface);
    list.OnCharacter(1);
    surface.editorText = "70";
    list.OnResizedOrScrolled();
    EXPECT_EQ(surface.lines[1], "70");
    EXPECT_FALSE(surface.open);
}

}  // namespace
}  // namespace vx::platform
