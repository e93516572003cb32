#include "platform/win32/win32_menu.h"

#include <string>

#include "platform/win32/text_convert.h"

namespace vx::platform {
namespace {

COLORREF ToColorRef(Color color) { return RGB(color.red, color.green, color.blue); }

// Appends `node`'s items to `menu`; false when the system refused one.
bool AppendItems(HMENU menu, const MenuNode& node) {
    for (const MenuNode& item : node.children) {
        const std::wstring text = Widen(item.text);
        if (item.id != kSubmenuItemId) {
            if (!AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id), text.c_str())) return false;
            continue;
        }
        HMENU popup = CreatePopupMenu();
        if (popup == nullptr) return false;
        if (!AppendItems(popup, item) ||
            !AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), text.c_str())) {
            DestroyMenu(popup);
            return false;
        }
    }
    return true;
}

}  // namespace

HMENU CreateMenuFromTable(const MenuNode& bar) {
    HMENU menu = CreateMenu();
    if (menu == nullptr) return nullptr;
    if (!AppendItems(menu, bar)) {
        DestroyMenu(menu);
        return nullptr;
    }
    return menu;
}

Win32Menu::~Win32Menu() {
    if (owned_ && menu_ != nullptr) DestroyMenu(menu_);
}

int Win32Menu::ItemCount() { return GetMenuItemCount(menu_); }

std::string Win32Menu::ItemText(int position) {
    wchar_t text[1025]{};
    const int length = GetMenuStringW(menu_, static_cast<UINT>(position), text, 1025, MF_BYPOSITION);
    return Narrow(std::wstring_view(text, static_cast<std::size_t>(length > 0 ? length : 0)));
}

int Win32Menu::ItemId(int position) {
    if (GetSubMenu(menu_, position) != nullptr) return kSubmenuItemId;
    return static_cast<int>(GetMenuItemID(menu_, position));
}

Menu* Win32Menu::SubMenu(int position) {
    HMENU submenu = GetSubMenu(menu_, position);
    if (submenu == nullptr) return nullptr;
    auto& held = submenus_[position];
    if (!held || held->Handle() != submenu) held = std::make_unique<Win32Menu>(submenu, false);
    return held.get();
}

void Win32Menu::MakeOwnerDrawn(int position, int id, std::uintptr_t itemData) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu_, static_cast<UINT>(position), TRUE, &info);
    // The type flags keep a separator a separator and a submenu its submenu.
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType |= MFT_OWNERDRAW;
    info.dwItemData = static_cast<ULONG_PTR>(itemData);
    if (id != kSubmenuItemId) {
        info.fMask |= MIIM_ID;
        info.wID = static_cast<UINT>(id);
    }
    SetMenuItemInfoW(menu_, static_cast<UINT>(position), TRUE, &info);
}

void Win32MenuItemPainter::OutlineRect(const Rect& rect) {
    Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void Win32MenuItemPainter::FillRect(const Rect& rect, Color color) {
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    HBRUSH brush = CreateSolidBrush(ToColorRef(color));
    ::FillRect(dc_, &area, brush);
    DeleteObject(brush);
}

void Win32MenuItemPainter::Text(const Rect& rect, std::string_view text, Color color) {
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, ToColorRef(color));
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    const std::wstring wide = Widen(text);
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &area, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

}  // namespace vx::platform
