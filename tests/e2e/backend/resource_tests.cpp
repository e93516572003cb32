// What the logic loads by number: the menus, made from the menu table as
// the system holds them (exact item texts, trailing blanks included, and
// command ids), and the dialog templates of the resource script.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/portable/menu_resources.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_menu.h"

namespace vx::platform {
namespace {

// One line per item, depth-first: "<depth>|<text>|<id>" (id -1 for a
// submenu).
void Flatten(HMENU menu, int depth, std::vector<std::string>& out) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        HMENU sub = GetSubMenu(menu, i);
        const int id = sub != nullptr ? -1 : static_cast<int>(GetMenuItemID(menu, i));
        out.push_back(std::to_string(depth) + "|" + Narrow(text) + "|" + std::to_string(id));
        if (sub != nullptr) Flatten(sub, depth + 1, out);
    }
}

std::vector<std::string> FirstSubmenuItems(int resourceId) {
    const std::optional<MenuNode> table = MenuResource(resourceId);
    HMENU menu = table ? CreateMenuFromTable(*table) : nullptr;
    std::vector<std::string> items;
    if (menu == nullptr) return items;
    if (HMENU first = GetSubMenu(menu, 0)) Flatten(first, 0, items);
    DestroyMenu(menu);
    return items;
}

TEST(Resources, TrayMenusInBothLanguages) {
    EXPECT_EQ(FirstSubmenuItems(157), (std::vector<std::string>{"0|Show Window|32801", "0|Per-Program Profiles…|32845",
                                                                "0|Exit Driver|32800"}));
    EXPECT_EQ(FirstSubmenuItems(162),
              (std::vector<std::string>{"0|显示窗口   |32837", "0|程序配置…|32846", "0|关闭驱动|32838"}));
}

TEST(Resources, EnglishEventMenu) {
    const std::vector<std::string> expected{
        "0|Add Forward|-1",     "1|Left Button|-1", "2|Down |32802",   "2|Up|32803",   "1|Right Button|-1",
        "2|Down|32804",         "2|Up|32805",       "1|Mid Button|-1", "2|Down|32806", "2|Up|32807",
        "0|Add Backward|-1",    "1|Left Button|-1", "2|Down |32809",   "2|Up|32810",   "1|Right Button|-1",
        "2|Down|32811",         "2|Up|32812",       "1|Mid Button|-1", "2|Down|32813", "2|Up|32814",
        "0|Modify Delay|32780", "0|Delete|32781"};
    EXPECT_EQ(FirstSubmenuItems(154), expected);
}

TEST(Resources, ChineseEventMenu) {
    const std::vector<std::string> expected{
        "0|项前插入    |-1", "1|左键    |-1", "2|向下    |32817", "2|向上|32818",     "1|右键|-1",
        "2|向下    |32820",  "2|向上|32821",  "1|中键|-1",        "2|向下    |32823", "2|向上|32824",
        "0|项后插入|-1",     "1|左键   |-1",  "2|向下  |32829",   "2|向上|32830",     "1|右键   |-1",
        "2|向下   |32831",   "2|向上|32832",  "1|中键   |-1",     "2|向下   |32833",  "2|向上|32834",
        "0|修改延迟|32835",  "0|删除|32836"};
    EXPECT_EQ(FirstSubmenuItems(161), expected);
}

TEST(Resources, DialogTemplatesIconAndString) {
    HMODULE module = GetModuleHandleW(nullptr);
    for (int id : {100, 102, 103, 104, 105}) {
        EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)), nullptr) << "dialog " << id;
    }
    EXPECT_NE(LoadIconW(module, MAKEINTRESOURCEW(159)), nullptr);
    wchar_t text[64] = {};
    LoadStringW(module, 101, text, 64);
    EXPECT_STREQ(text, L"&About ZUV_GMouse...");
}

}  // namespace
}  // namespace vx::platform
