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

TEST(EditableListBox, EveryEndNotifiesAndOnlyAChangedCommitReplacesTheLine) {
    struct Case {
        const char* name;
        std::string typed;
        bool commit;
        std::string line;
        int replaces;
    };
    for (const Case& c : {Case{"commit", "250", true, "250", 1}, Case{"cancel", "250", false, "    40ms", 0},
                          Case{"unchanged", "    40ms", true, "    40ms", 0}}) {
        FakeSurface surface;
        EditableListBox list(surface);
        list.OnCharacter(1);
        surface.editorText = c.typed;
        list.EndEdit(c.commit);
        EXPECT_EQ(surface.lines[1], c.line) << c.name;
        EXPECT_EQ(surface.replaces, c.replaces) << c.name;
        EXPECT_EQ(surface.notifications, 1) << c.name;
        EXPECT_EQ(list.EditIndex(), -1) << c.name;
        list.EndEdit(true);  // nothing open any more: no second notification
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
