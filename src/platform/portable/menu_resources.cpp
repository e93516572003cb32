#include "platform/portable/menu_resources.h"

#include "platform/menu_commands.h"

namespace vx::platform {
namespace {

MenuNode Item(std::string text, int id) { return MenuNode{std::move(text), id, {}}; }

MenuNode Popup(std::string text, std::vector<MenuNode> children) {
    return MenuNode{std::move(text), kSubmenuItemId, std::move(children)};
}

MenuNode Bar(std::vector<MenuNode> popups) { return MenuNode{"", 0, std::move(popups)}; }

// The owner-drawn menus size their items by the texts, so the trailing
// blanks matter.
MenuNode ButtonPair(std::string button, std::string down, std::string up, menu_command::ButtonInsertIds ids) {
    return Popup(std::move(button), {Item(std::move(down), ids.down), Item(std::move(up), ids.up)});
}

MenuNode EventMenuEnglish() {
    const menu_command::EventMenuIds& ids = menu_command::kEventMenuEn;
    return Bar({Popup("EventMenu", {Popup("Add Forward", {ButtonPair("Left Button", "Down ", "Up", ids.before.left),
                                                          ButtonPair("Right Button", "Down", "Up", ids.before.right),
                                                          ButtonPair("Mid Button", "Down", "Up", ids.before.middle)}),
                                    Popup("Add Backward", {ButtonPair("Left Button", "Down ", "Up", ids.after.left),
                                                           ButtonPair("Right Button", "Down", "Up", ids.after.right),
                                                           ButtonPair("Mid Button", "Down", "Up", ids.after.middle)}),
                                    Item("Modify Delay", ids.modifyDelay), Item("Delete", ids.remove)})});
}

MenuNode EventMenuChinese() {
    const menu_command::EventMenuIds& ids = menu_command::kEventMenuCn;
    return Bar({Popup("EventMenu", {Popup("项前插入    ", {ButtonPair("左键    ", "向下    ", "向上", ids.before.left),
                                                           ButtonPair("右键", "向下    ", "向上", ids.before.right),
                                                           ButtonPair("中键", "向下    ", "向上", ids.before.middle)}),
                                    Popup("项后插入", {ButtonPair("左键   ", "向下  ", "向上", ids.after.left),
                                                       ButtonPair("右键   ", "向下   ", "向上", ids.after.right),
                                                       ButtonPair("中键   ", "向下   ", "向上", ids.after.middle)}),
                                    Item("修改延迟", ids.modifyDelay), Item("删除", ids.remove)})});
}

MenuNode TrayMenuEnglish() {
    using namespace menu_command;
    return Bar({Popup("Tray", {Item("Show Window", kShowWindowEn), Item("Per-Program Profiles…", kProgramRulesEn),
                               Item("Exit Driver", kExitDriverEn)})});
}

MenuNode TrayMenuChinese() {
    using namespace menu_command;
    return Bar({Popup("Tray", {Item("显示窗口   ", kShowWindowCn), Item("程序配置…", kProgramRulesCn),
                               Item("关闭驱动", kExitDriverCn)})});
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
    MenuNode item = resourceId == kTrayMenuEnglish ? Item("Start with the Session", menu_command::kSessionStartEn)
                                                   : Item("随系统启动", menu_command::kSessionStartCn);
    std::vector<MenuNode>& items = menu->children.front().children;
    items.insert(items.empty() ? items.end() : items.end() - 1, std::move(item));
    return menu;
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
