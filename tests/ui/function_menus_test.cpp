// The button-function menus: geometry and item mapping, the primary-click
// rule, the warning, and the menus' life over fake popups.
#include "ui/function_menus.h"

#include <gtest/gtest.h>

#include "platform/testing/fake_drawing.h"
#include "platform/testing/fake_image_decoder.h"
#include "platform/testing/fake_main_window.h"
#include "skin/skin_elements.h"

namespace vx::ui {
namespace {

namespace main = skin::elements::main;
namespace warning = skin::elements::warning;

using platform::PopupTemplate;
using platform::testing::FakePopupWindow;

settings::MouseConfig Buttons(std::array<std::int32_t, 6> codes) {
    settings::MouseConfig config;
    for (int i = 0; i < 6; ++i) config.Button(i) = codes[static_cast<std::size_t>(i)];
    return config;
}

TEST(FunctionMenuModel, RowsAndSubMenuPlacement) {
    platform::Image mask{200, 305, {}};
    const MenuGeometry menu = FunctionMenuGeometry(mask);
    EXPECT_EQ(menu.itemHeight, 30);
    EXPECT_EQ(menu.visibleHeight, 301);
    EXPECT_EQ(MenuRowAt(menu, kFunctionMenuHitRows, Point{0, 0}), 1);
    EXPECT_EQ(MenuRowAt(menu, kFunctionMenuHitRows, Point{199, 299}), 10);
    EXPECT_EQ(MenuRowAt(menu, kFunctionMenuHitRows, Point{5, 300}), 11);  // the one visible pixel line
    EXPECT_EQ(MenuRowAt(menu, kFunctionMenuHitRows, Point{200, 5}), NoRow);
    EXPECT_EQ(SubMenuGeometry(platform::Image{150, 250, {}}, 0).visibleHeight, 0);
    EXPECT_EQ(SubMenuGeometry(platform::Image{150, 250, {}}, 6).visibleHeight, 6 * 20 + 1);

    // The sub-menu's last row is level with its heading.
    const std::array<std::array<int, 4>, 6> cases{{
        {7, 0, 6, 1},
        {8, 0, 10, -2},
        {10, 0, 8, 2},
        {9, 12, 12, -3},
        {9, 1, 1, 8},
        {9, 0, 0, 9},
    }};
    for (const auto& [heading, macros, count, top] : cases) {
        EXPECT_EQ(SubItemCount(heading, macros), count) << heading;
        EXPECT_EQ(SubMenuTopRows(heading, macros), top) << heading;
        if (count > 0) {
            EXPECT_EQ(top + count, heading) << heading;
        }
    }
    skin::FunctionNames names;
    names[24] = "Volume Up";
    names[38] = "Show Desktop";
    std::array<std::string, macro::kUserMacroSlots> macroNames;
    macroNames[2] = "Reload";
    EXPECT_EQ(SubItemCaption(8, 4, names, macroNames), "Volume Up");
    EXPECT_EQ(SubItemCaption(10, 8, names, macroNames), "Show Desktop");
    EXPECT_EQ(SubItemCaption(9, 3, names, macroNames), "Reload");
    EXPECT_EQ(SubItemCodeBase(9) + 3, 43);
}

TEST(FunctionMenuModel, SomeButtonAlwaysKeepsThePrimaryClick) {
    struct Case {
        std::array<std::int32_t, 6> before;
        int button;
        std::int32_t code;
        std::array<std::int32_t, 6> after;
    };
    const Case cases[] = {
        {{2, 3, 3, 4, 5, 6}, 2, 3, {2, 3, 3, 1, 5, 6}},  // the next button takes it
        {{2, 3, 3, 4, 5, 6}, 5, 4, {2, 3, 3, 4, 5, 1}},  // the last button keeps it itself
        {{1, 3, 2, 4, 5, 6}, 0, 2, {2, 1, 2, 4, 5, 6}},
        {{1, 3, 2, 4, 5, 6}, 3, 41, {1, 3, 2, 41, 5, 6}},
    };
    for (const Case& c : cases) {
        settings::MouseConfig config = Buttons(c.before);
        AssignButtonFunction(config, c.button, c.code);
        EXPECT_EQ(config, Buttons(c.after)) << "button " << c.button;
    }
    EXPECT_TRUE(NeedsPrimaryClickWarning(Buttons({1, 3, 2, 4, 5, 6}), 0));  // its own code is not looked at
    EXPECT_TRUE(NeedsPrimaryClickWarning(Buttons({0, 3, 2, 4, 5, 6}), 0));
    EXPECT_FALSE(NeedsPrimaryClickWarning(Buttons({0, 3, 2, 1, 5, 6}), 0));
}

class FunctionMenusTest : public ::testing::Test {
protected:
    FunctionMenusTest() {
        decoder.Add("S\\menu_mask.jpg", 200, 300);
        decoder.Add("S\\advanced menu_mask.jpg", 150, 240);
        decoder.Add("S\\warning_mask.jpg", 120, 80);
        layouts.main[main::kFunction3] = skin::LayoutEntry{300, 100, 90, 20, ""};  // button 2's field
        layouts.warning[warning::kContinue] = skin::LayoutEntry{10, 50, 40, 20, "Yes"};
        layouts.warning[warning::kGiveUp] = skin::LayoutEntry{60, 50, 40, 20, "No"};
        settings.config = Buttons({1, 3, 2, 4, 5, 6});
        macros.userMacroCount = 3;
    }
    std::vector<FakePopupWindow*> Popups(PopupTemplate kind) {
        std::vector<FakePopupWindow*> found;
        for (FakePopupWindow* p : window.popups) {
            if (p->kind == kind) found.push_back(p);
        }
        return found;
    }
    FakePopupWindow& Menu() { return *Popups(PopupTemplate::FunctionMenu).at(0); }
    void Paint(FakePopupWindow& popup) {
        platform::testing::FakeDrawing drawing;
        popup.events.OnPaint(drawing);
    }
    void Click(FakePopupWindow& popup, Point p) {
        popup.events.OnMouseMove(p);
        popup.events.OnLeftButtonDown(p);
        popup.events.OnLeftButtonUp(p);
    }

    InterfaceState ui;
    settings::SettingsStore settings;
    macro::MacroStore macros;
    skin::Layouts layouts;
    WindowResources resources;
    platform::testing::FakeImageDecoder decoder;
    SkinImages images{decoder, "S"};
    platform::testing::FakeMainWindow window;
    FunctionMenus menus{MenuContext{ui, settings, macros, layouts, resources, images, window}};
};

TEST_F(FunctionMenusTest, MenuOpensBelowTheFieldAndASubMenuChoiceAssignsAndCloses) {
    menus.Open(main::kFunction3);
    EXPECT_EQ(window.modalRuns, 0);  // button 0 keeps the primary click
    EXPECT_EQ(ui.menuPosition, (Point{400, 170}));
    EXPECT_EQ(Menu().placed, (Rect{400, 170, 700, 470}));
    EXPECT_EQ(Menu().shape.rects, std::vector<Rect>{(Rect{0, 0, 200, 301})});
    EXPECT_TRUE(ui.menuOpen);
    EXPECT_EQ(Menu().title, "MainMenuDlg");

    Menu().events.OnMouseMove(Point{5, 8 * 30 + 2});  // heading 9: the user macros
    Paint(Menu());
    ASSERT_EQ(Popups(PopupTemplate::SubMenu).size(), 1u);
    FakePopupWindow& sub = *Popups(PopupTemplate::SubMenu)[0];
    EXPECT_EQ(sub.placed, (Rect{600, 170 + 6 * 30, 900, 170 + 6 * 30 + 400}));
    EXPECT_EQ(sub.shape.rects, std::vector<Rect>{(Rect{0, 0, 150, 3 * 20 + 1})});

    Click(sub, Point{10, 2 * 20 + 5});  // macro 3
    EXPECT_EQ(settings.config.K2, 43);
    EXPECT_FALSE(Menu().shown);
    menus.OnMainWindowPaint();
    window.RunPosted();
    EXPECT_FALSE(menus.IsOpen());
    EXPECT_TRUE(window.popups.empty());
}

TEST_F(FunctionMenusTest, HeadingsAssignNothingAndTheSubMenuFollowsTheHoveredRow) {
    menus.Open(main::kFunction3);
    Menu().events.OnMouseMove(Point{5, 7 * 30 + 1});  // heading 8
    Paint(Menu());
    EXPECT_EQ(Popups(PopupTemplate::SubMenu).at(0)->placed.top, 170 - 2 * 30);
    Click(Menu(), Point{5, 7 * 30 + 1});
    Paint(Menu());
    EXPECT_EQ(Popups(PopupTemplate::SubMenu).size(), 1u);  // drawn anew at the same place
    EXPECT_EQ(settings.config, Buttons({1, 3, 2, 4, 5, 6}));

    Menu().events.OnMouseMove(Point{5, 2 * 30 + 1});  // row 3
    Paint(Menu());
    EXPECT_TRUE(Popups(PopupTemplate::SubMenu).empty());
    Click(Menu(), Point{5, 2 * 30 + 1});
    EXPECT_EQ(settings.config.K2, 3);
    window.RunPosted();
    EXPECT_FALSE(menus.IsOpen());
}

TEST_F(FunctionMenusTest, WarningComesFirstWhenNoOtherButtonKeepsThePrimaryClick) {
    settings.config = Buttons({2, 3, 1, 4, 5, 6});  // only button 2 itself holds it
    window.modalScript = [](FakePopupWindow& warning) {
        EXPECT_EQ(warning.placed, (Rect{400, 170, 520, 250}));
        warning.events.OnMouseMove(Point{30, 55});  // over neither: a release does nothing
        warning.events.OnMouseMove(Point{5, 5});
        warning.events.OnLeftButtonUp(Point{5, 5});
        EXPECT_FALSE(warning.ended);
        warning.events.OnMouseMove(Point{70, 55});
        warning.events.OnLeftButtonUp(Point{70, 55});
    };
    menus.Open(main::kFunction3);
    EXPECT_FALSE(menus.IsOpen());
    EXPECT_FALSE(ui.menuOpen);

    window.modalScript = [](FakePopupWindow& warning) { warning.events.OnCancelKey(); };
    menus.Open(main::kFunction3);
    EXPECT_FALSE(menus.IsOpen());

    window.modalScript = [](FakePopupWindow& warning) {
        warning.events.OnMouseMove(Point{20, 60});
        warning.events.OnLeftButtonUp(Point{20, 60});
        EXPECT_EQ(warning.result, kWarningGoOn);
    };
    menus.Open(main::kFunction3);
    EXPECT_TRUE(menus.IsOpen());
    EXPECT_EQ(window.modalRuns, 3);
}

}  // namespace
}  // namespace vx::ui
