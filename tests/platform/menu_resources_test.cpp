#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "platform/portable/menu_resources.h"

namespace vx::platform {
namespace {

std::string ReadSource(const std::string& relative) {
    std::ifstream in(std::string(VX_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The #define numbers of the Windows resource header.
std::map<std::string, int> ResourceIds() {
    std::map<std::string, int> ids;
    std::istringstream lines(ReadSource("src/platform/win32/resources/resource.h"));
    const std::regex define(R"(^#define\s+(\w+)\s+(\d+))");
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, match, define)) ids[match[1]] = std::stoi(match[2]);
    }
    return ids;
}

// The MENU blocks of the resource script, read as trees.
std::map<int, MenuNode> ScriptMenus() {
    const std::map<std::string, int> ids = ResourceIds();
    std::map<int, MenuNode> menus;
    std::istringstream lines(ReadSource("src/platform/win32/resources/app.rc"));
    const std::regex menuStart(R"(^(\w+)\s+MENU\s*$)");
    const std::regex popup(R"(^\s*POPUP\s+\"([^\"]*)\")");
    const std::regex item(R"(^\s*MENUITEM\s+\"([^\"]*)\"\s*,\s*(\w+))");
    const std::regex separator(R"(^\s*MENUITEM\s+SEPARATOR)");
    std::vector<MenuNode*> open;
    MenuNode* pendingPopup = nullptr;
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (open.empty() && pendingPopup == nullptr && std::regex_search(line, match, menuStart)) {
            if (ids.count(match[1]) == 0) continue;
            pendingPopup = &menus[ids.at(match[1])];
        } else if (std::regex_search(line, match, popup) && !open.empty()) {
            open.back()->children.push_back(MenuNode{match[1], kSubmenuItemId, {}});
            pendingPopup = &open.back()->children.back();
        } else if (std::regex_search(line, match, separator) && !open.empty()) {
            open.back()->children.push_back(MenuNode{"", 0, {}});
        } else if (std::regex_search(line, match, item) && !open.empty()) {
            open.back()->children.push_back(MenuNode{match[1], ids.at(match[2]), {}});
        } else if (line.find("BEGIN") != std::string::npos && pendingPopup != nullptr) {
            open.push_back(pendingPopup);
            pendingPopup = nullptr;
        } else if (line.find("END") != std::string::npos && !open.empty() &&
                   line.find_first_not_of(" ") == line.find("END")) {
            open.pop_back();
        }
    }
    return menus;
}

void ExpectSame(const MenuNode& script, const MenuNode& table, const std::string& where) {
    EXPECT_EQ(script.text, table.text) << where;
    EXPECT_EQ(script.id, table.id) << where << " " << script.text;
    ASSERT_EQ(script.children.size(), table.children.size()) << where << " " << script.text;
    for (std::size_t i = 0; i < script.children.size(); ++i) {
        ExpectSame(script.children[i], table.children[i], where + "/" + script.children[i].text);
    }
}

TEST(MenuResources, TheTableHoldsEveryMenuOfTheResourceScriptWithItsTextsAndIds) {
    const std::map<int, MenuNode> script = ScriptMenus();
    ASSERT_EQ(script.size(), MenuResourceIds().size());
    for (const auto& [id, menu] : script) {
        const std::optional<MenuNode> table = MenuResource(id);
        ASSERT_TRUE(table.has_value()) << "menu " << id;
        ExpectSame(menu, *table, "menu " + std::to_string(id));
    }
    EXPECT_FALSE(MenuResource(100).has_value());
}

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
        {kTrayMenuEnglish, "Start with the Session", 32845},
        {kTrayMenuChinese, "随系统启动", 32846},
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
