#pragma once
// The program's two menu resources (the event list's and the tray's, each
// in English and Chinese) as a table, for backends without a resource
// compiler: the same texts, trailing blanks included, and the same ids as
// the Windows resource script. TableMenu serves one of them as a Menu.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/menu.h"

namespace vx::platform {

struct MenuNode {
    std::string text;
    // The command id; kSubmenuItemId when `children` is a submenu.
    int id = 0;
    std::vector<MenuNode> children;
};

// The menu bar of resource `resourceId` (its items are the top-level
// popups), or nothing for an id that is no menu.
std::optional<MenuNode> MenuResource(int resourceId);

// The same, where the program offers to start with the session itself
// (Linux): the tray menus get the checkable "Start with the Session" item
// just before "Exit Driver".
std::optional<MenuNode> MenuResourceWithSessionStart(int resourceId);

// One level of a menu from the table; owner-drawn marks are kept per item.
class TableMenu final : public Menu {
public:
    explicit TableMenu(MenuNode node) : node_(std::move(node)) {}

    int ItemCount() override { return static_cast<int>(node_.children.size()); }
    std::string ItemText(int position) override;
    int ItemId(int position) override;
    Menu* SubMenu(int position) override;
    void MakeOwnerDrawn(int position, int id, std::uintptr_t itemData) override;

    // The item data MakeOwnerDrawn gave the item; nothing for a plain item.
    std::optional<std::uintptr_t> ItemData(int position) const;

private:
    MenuNode node_;
    std::map<int, std::uintptr_t> itemData_;
    std::map<int, std::unique_ptr<TableMenu>> submenus_;
};

}  // namespace vx::platform
