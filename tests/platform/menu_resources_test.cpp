#include <gtest/gtest.h>

#include <string>

#include "platform/menu_commands.h"
#include "platform/portable/menu_resources.h"

namespace vx::platform {
namespace {

TEST(MenuResources, TableMenuServesTheTreeAndKeepsOwnerDrawnMarks) {
    TableMenu bar(*MenuResource(154));
    Menu* events = bar.SubMenu(0);
    ASSERT_NE(events, nullptr);
    const struct {
        int position;
        std::string text;
        int id;
        bool hasSubmenu;
    } kItems[] = {
        {0, "Add Forward", kSubmenuItemId, true},
        {1, "Add Backward", kSubmenuItemId, true},
        {2, "Modify Delay", 32780, false},
        {3, "Delete", 32781, false},
        {4, "", 0, false},
    };
    for (const auto& item : kItems) {
        EXPECT_EQ(events->ItemText(item.position), item.text) << item.position;
        EXPECT_EQ(events->ItemId(item.position), item.id) << item.position;
        EXPECT_EQ(events->SubMenu(item.position) != nullptr, item.hasSubmenu) << item.position;
    }
    EXPECT_EQ(events->SubMenu(0)->SubMenu(0)->ItemText(0), "Down ");

    auto& table = static_cast<TableMenu&>(*events);
    EXPECT_FALSE(table.ItemData(2).has_value());
    table.MakeOwnerDrawn(2, 32780, 77);
    table.MakeOwnerDrawn(0, kSubmenuItemId, 78);
    EXPECT_EQ(table.ItemData(2), std::optional<std::uintptr_t>(77));
    EXPECT_EQ(table.ItemData(0), std::optional<std::uintptr_t>(78));
    EXPECT_EQ(table.ItemId(0), kSubmenuItemId);
}

TEST(MenuResources, TheSessionStartItemComesJustBeforeExitDriverInTheTrayMenusOnly) {
    const struct {
        int resourceId;
        std::string text;
        int id;
    } kCases[] = {
        {kTrayMenuEnglish, "Start with the Session", menu_command::kSessionStartEn},
        {kTrayMenuChinese, "随系统启动", menu_command::kSessionStartCn},
    };
    for (const auto& c : kCases) {
        const std::vector<MenuNode> plain = MenuResource(c.resourceId)->children.front().children;
        const std::vector<MenuNode> items = MenuResourceWithSessionStart(c.resourceId)->children.front().children;
        ASSERT_EQ(items.size(), plain.size() + 1) << c.resourceId;
        const MenuNode& added = items[items.size() - 2];
        EXPECT_EQ(added.text, c.text);
        EXPECT_EQ(added.id, c.id);
        EXPECT_EQ(items.back().id, plain.back().id);  // Exit Driver stays last
    }
    const std::optional<MenuNode> events = MenuResourceWithSessionStart(kEventMenuEnglish);
    ASSERT_TRUE(events.has_value());
    EXPECT_EQ(events->children.front().children.size(),
              MenuResource(kEventMenuEnglish)->children.front().children.size());
}

}  // namespace
}  // namespace vx::platform
