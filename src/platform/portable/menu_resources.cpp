#include "platform/portable/menu_resources.h"

namespace vx::platform {
namespace {

MenuNode Item(std::string text, int id) { return MenuNode{std::move(text), id, {}}; }

MenuNode Popup(std::string text, std::vector<MenuNode> children) {
    return MenuNode{std::move(text), kSubmenuItemId, std::move(children)};
}

MenuNode Bar(std::vector<MenuNode> popups) { return MenuNode{"", 0, std::move(popups)}; }

// Ids and texts of the resource script; the owner-drawn menus size their
// items by the texts, so the trailing blanks matter.
MenuNode ButtonPair(std::string button, std::string down, int downId, std::string up, int upId) {
    return Popup(std::move(button), {Item(std::move(down), downId), Item(std::move(up), upId)});
}

MenuNode EventMenuEnglish() {
    return Bar({Popup("EventMenu", {Popup("Add Forward", {ButtonPair("Left Button", "Down ", 32802, "Up", 32803),
                                                          ButtonPair("Right Button", "Down", 32804, "Up", 32805),
                                                          ButtonPair("Mid Button", "Down", 32806, "Up", 32807)}),
                                    Popup("Add Backward", {ButtonPair("Left Button", "Down ", 32809, "Up", 32810),
                                                           ButtonPair("Right Button", "Down", 32811, "Up", 32812),
                                                           ButtonPair("Mid Button", "Down", 32813, "Up", 32814)}),
                                    Item("Modify Delay", 32780), Item("Delete", 32781)})});
}

MenuNode EventMenuChinese() {
    return Bar({Popup("EventMenu", {Popup("项前插入    ", {ButtonPair("左键    ", "向下    ", 32817, "向上", 32818),
                                                           ButtonPair("右键", "向下    ", 32820, "向上", 32821),
                                                           ButtonPair("中键", "向下    ", 32823, "向上", 32824)}),
                                    Popup("项后插入", {ButtonPair("左键   ", "向下  ", 32829, "向上", 32830),
                                                       ButtonPair("右键   ", "向下   ", 32831, "向上", 32832),
                                                       ButtonPair("中键   ", "向下   ", 32833, "向上", 32834)}),
                                    Item("修改延迟", 32835), Item("删除", 32836)})});
}

MenuNode TrayMenuEnglish() {
    return Bar({Popup("Tray",
                      {Item("Show Window", 32801), Item("Per-Program Profiles…", 32845), Item("Exit Driver", 32800)})});
}

MenuNode TrayMenuChinese() {
    return Bar({Popup("Tray", {Item("显示窗口   ", 32837), Item("程序配置…", 32846), Item("关闭驱动", 32838)})});
}

}  // namespace

std::optional<MenuNode> MenuResource(int resourceId) {
    switch (resourceId) {
        case kEventMenuEnglish: return EventMenuEnglish();
        case kTrayMenuEnglish: return TrayMenuEnglish();
        case kEventMenuChinese: return EventMenuChinese();
        case kTrayMenuChinese: return TrayMenuChinese();
        default: return std::nullopt;
    }
}

std::optional<MenuNode> MenuResourceWithSessionStart(int resourceId) {
    std::optional<MenuNode> menu = MenuResource(resourceId);
    if (!menu || (resourceId != kTrayMenuEnglish && resourceId != kTrayMenuChinese)) return menu;
    // Ids as app/window_lifecycle.h names them.
    MenuNode item = resourceId == kTrayMenuEnglish ? Item("Start with the Session", 32845) : Item("随系统启动", 32846);
    std::vector<MenuNode>& items = menu->children.front().children;
    items.insert(items.empty() ? items.end() : items.end() - 1, std::move(item));
    return menu;
}

std::vector<int> MenuResourceIds() {
    return {kEventMenuEnglish, kTrayMenuEnglish, kEventMenuChinese, kTrayMenuChinese};
}

std::string TableMenu::ItemText(int position) {
    if (position < 0 || position >= ItemCount()) return {};
    return node_.children[static_cast<std::size_t>(position)].text;
}

int TableMenu::ItemId(int position) {
    if (position < 0 || position >= ItemCount()) return 0;
    return node_.children[static_cast<std::size_t>(position)].id;
}

Menu* TableMenu::SubMenu(int position) {
    if (position < 0 || position >= ItemCount()) return nullptr;
    MenuNode& child = node_.children[static_cast<std::size_t>(position)];
    if (child.id != kSubmenuItemId) return nullptr;
    auto& held = submenus_[position];
    if (!held) held = std::make_unique<TableMenu>(child);
    return held.get();
}

void TableMenu::MakeOwnerDrawn(int position, int id, std::uintptr_t itemData) {
    if (position < 0 || position >= ItemCount()) return;
    MenuNode& child = node_.children[static_cast<std::size_t>(position)];
    // A submenu keeps its submenu; a command item takes the id it is given.
    if (child.id != kSubmenuItemId && id != kSubmenuItemId) child.id = id;
    itemData_[position] = itemData;
}

std::optional<std::uintptr_t> TableMenu::ItemData(int position) const {
    const auto found = itemData_.find(position);
    if (found == itemData_.end()) return std::nullopt;
    return found->second;
}

}  // namespace vx::platform
