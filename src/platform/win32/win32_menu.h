#pragma once
// Menus made from the program's menu table, their items made owner-drawn,
// and the painter that draws one item into the menu's device context.
#include "platform/win32/windows_api.h"

#include <map>
#include <memory>

#include "platform/menu.h"
#include "platform/portable/menu_resources.h"

namespace vx::platform {

// A menu bar holding the table's popups (the caller destroys it); null when
// the system refused one of the menus.
HMENU CreateMenuFromTable(const MenuNode& bar);

class Win32Menu : public Menu {
public:
    // Owns `menu` (destroyed with this) when `owned`.
    Win32Menu(HMENU menu, bool owned) : menu_(menu), owned_(owned) {}
    ~Win32Menu() override;
    Win32Menu(const Win32Menu&) = delete;
    Win32Menu& operator=(const Win32Menu&) = delete;

    int ItemCount() override;
    std::string ItemText(int position) override;
    int ItemId(int position) override;
    Menu* SubMenu(int position) override;
    void MakeOwnerDrawn(int position, int id, std::uintptr_t itemData) override;

    HMENU Handle() const { return menu_; }

private:
    HMENU menu_;
    bool owned_;
    std::map<int, std::unique_ptr<Win32Menu>> submenus_;
};

class Win32MenuItemPainter : public MenuItemPainter {
public:
    explicit Win32MenuItemPainter(HDC dc) : dc_(dc) {}

    void OutlineRect(const Rect& rect) override;
    void FillRect(const Rect& rect, Color color) override;
    void Text(const Rect& rect, std::string_view text, Color color) override;

private:
    HDC dc_;
};

}  // namespace vx::platform
