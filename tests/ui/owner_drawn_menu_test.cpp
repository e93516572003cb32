#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/testing/fake_main_window.h"
#include "ui/owner_drawn_menu.h"

namespace vx::ui {
namespace {

using platform::Color;

class RecordingPainter : public platform::MenuItemPainter {
public:
    std::vector<std::string> calls;
    std::vector<std::pair<int, Color>> rows;  // gradient lines: y and colour
    void Frame3d(const Rect& r, Color a, Color b) override {
        calls.push_back("frame " + std::to_string(r.left) + " " + std::to_string(a.red) + "/" + std::to_string(b.blue));
    }
    void OutlineRect(const Rect&) override { calls.push_back("outline"); }
    void FillRect(const Rect&, Color c) override {
        calls.push_back("fill " + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue));
    }
    void Line(Point from, Point to, Color c) override {
        if (from.x == 1 && to.x == 99) rows.emplace_back(from.y, c);
    }
    void Text(const Rect& r, std::string_view text, Color) override {
        calls.push_back("text " + std::to_string(r.left) + " " + std::string(text));
    }
};

TEST(OwnerDrawnMenu, ItemsAreMeasuredByCharactersAndSeparatorsAreOnePixelHigh) {
    EXPECT_EQ(MeasureMenuItem({"Down ", 32802}), (platform::MenuItemSize{40, 20}));
    EXPECT_EQ(MeasureMenuItem({"显示窗口   ", 32837}), (platform::MenuItemSize{56, 20}));
    EXPECT_EQ(MeasureMenuItem({"", 0}).height, 1);
    EXPECT_EQ(MeasureMenuItem({"Add Forward", -1}).height, 20);
}

TEST(OwnerDrawnMenu, DrawingSeparatorsPlainAndSelectedItems) {
    RecordingPainter separator;
    DrawMenuItem({"", 0}, Rect{0, 0, 100, 1}, false, separator);
    EXPECT_EQ(separator.calls, (std::vector<std::string>{"frame 25 255/255"}));

    RecordingPainter plain;
    DrawMenuItem({"Delete", 32781}, Rect{0, 0, 100, 20}, false, plain);
    EXPECT_EQ(plain.calls, (std::vector<std::string>{"fill 0,120,153", "text 10 Delete"}));

    RecordingPainter selected;
    DrawMenuItem({"Delete", 32781}, Rect{0, 0, 100, 20}, true, selected);
    ASSERT_EQ(selected.rows.size(), 18u);
    EXPECT_EQ(selected.rows.front(), (std::pair{1, Color{0, 0, 255}}));
    EXPECT_EQ(selected.rows[1].second, (Color{0, 14, 255}));
    EXPECT_EQ(selected.rows.back().second, (Color{0, 14 * 17, 255}));
    EXPECT_EQ(selected.calls.front(), "outline");
}

// The white pixels the fills of an item leave, as "x,y" in a set.
class WhitePixels : public platform::MenuItemPainter {
public:
    std::set<std::pair<int, int>> white;
    void OutlineRect(const Rect&) override {}
    void FillRect(const Rect& r, Color c) override {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                if (c == Color{255, 255, 255}) {
                    white.insert({x, y});
                } else {
                    white.erase({x, y});
                }
            }
        }
    }
    void Text(const Rect&, std::string_view, Color) override {}
};

TEST(OwnerDrawnMenu, SubmenuItemsDrawTheirArrowAndCheckedItemsTheirTick) {
    const struct {
        MenuItemRecord record;
        bool selected;
        std::size_t whitePixels;
        std::pair<int, int> probe;  // one pixel the mark must cover
    } kCases[] = {
        {{"Add Forward", -1}, false, 25, {95, 10}},       // the arrow's tip, 9 px from the right
        {{"Add Forward", -1}, true, 25, {91, 6}},         // on the gradient too
        {{"Delete", 32781}, false, 0, {-1, -1}},          // nothing on a plain item
        {{"Start with the Session", 32845, true}, false, 16, {3, 12}},  // the tick's lowest step
    };
    for (const auto& c : kCases) {
        WhitePixels painter;
        DrawMenuItem(c.record, Rect{0, 0, 100, 20}, c.selected, painter);
        EXPECT_EQ(painter.white.size(), c.whitePixels) << c.record.text;
        if (c.whitePixels > 0) {
            EXPECT_TRUE(painter.white.count(c.probe)) << c.record.text;
        }
    }
}

TEST(OwnerDrawnMenu, CheckingAnItemMarksEveryRecordWithItsId) {
    platform::testing::FakeMainWindow window;
    auto popup = std::make_shared<platform::testing::FakeMenu>();
    popup->Add("Show Window", 32801).Add("Start with the Session", 32845).Add("Exit Driver", 32800);
    platform::testing::FakeMenu top;
    top.AddSubmenu("Tray", popup);
    window.menuResources[platform::kTrayMenuEnglish] = top;
    OwnerDrawnMenu menu;
    menu.Load(window, platform::kTrayMenuEnglish);
    menu.SetChecked(32845, true);
    ASSERT_EQ(menu.RecordsInUse(), 4u);
    std::vector<bool> checked;
    for (std::size_t i = 0; i < menu.RecordsInUse(); ++i) checked.push_back(menu.Record(i).checked);
    EXPECT_EQ(std::count(checked.begin(), checked.end(), true), 1);
    menu.SetChecked(32845, false);
    for (std::size_t i = 0; i < menu.RecordsInUse(); ++i) EXPECT_FALSE(menu.Record(i).checked);
}

TEST(OwnerDrawnMenu, LoadingMakesEveryItemOwnerDrawnAndStartsTheTableAgain) {
    platform::testing::FakeMainWindow window;
    auto left = std::make_shared<platform::testing::FakeMenu>();
    left->Add("Down ", 32802).Add("Up", 32803);
    auto forward = std::make_shared<platform::testing::FakeMenu>();
    forward->AddSubmenu("Left Button", left);
    auto popup = std::make_shared<platform::testing::FakeMenu>();
    popup->AddSubmenu("Add Forward", forward).Add("", 0).Add("Delete", 32781);
    platform::testing::FakeMenu top;
    top.AddSubmenu("Event", popup);
    window.menuResources[154] = top;
    window.menuResources[161] = top;

    LanguageMenus menus;
    LoadLanguageMenus(menus, window, settings::UiLanguage::English);
    LoadLanguageMenus(menus, window, settings::UiLanguage::Chinese);
    EXPECT_EQ(window.loadedMenus, (std::vector<int>{154, 157, 161, 162}));
    ASSERT_EQ(menus.eventMenu.RecordsInUse(), 7u);
    EXPECT_EQ(menus.eventMenu.Record(1).id, -1);
    EXPECT_EQ(menus.eventMenu.Record(3).text, "Down ");
    EXPECT_EQ(menus.trayMenu.Menu(), nullptr);  // no such resource: nothing shown, nothing read

    auto& loaded = static_cast<platform::testing::FakeMenu&>(*menus.eventMenu.Menu());
    const auto& down = loaded.items[0].submenu->items[0].submenu->items[0].submenu->items[0];
    EXPECT_TRUE(down.ownerDrawn);
    ASSERT_NE(menus.RecordFor(down.itemData), nullptr);
    EXPECT_EQ(menus.RecordFor(down.itemData)->text, "Down ");
    EXPECT_EQ(menus.RecordFor(12345), nullptr);
}

}  // namespace
}  // namespace vx::ui
