#pragma once
// The program's ordinary popup menus (the event list's and the tray's):
// loaded from the menu resources, turned into owner-drawn items whose
// measuring and drawing the logic does (WindowEvents::OnMeasureMenuItem,
// OnDrawMenuItem).
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/color.h"
#include "platform/geometry.h"

namespace vx::platform {

// Resource ids of the right-click menu of the event list and of the tray
// menu, in each language.
inline constexpr int kEventMenuEnglish = 154;
inline constexpr int kEventMenuChinese = 161;
inline constexpr int kTrayMenuEnglish = 157;
inline constexpr int kTrayMenuChinese = 162;

// Marks an item that opens a submenu.
inline constexpr int kSubmenuItemId = -1;

class Menu {
public:
    virtual ~Menu() = default;
    virtual int ItemCount() = 0;
    // The item's text as stored, trailing blanks included.
    virtual std::string ItemText(int position) = 0;
    // The command id, 0 for a separator, kSubmenuItemId for a submenu.
    virtual int ItemId(int position) = 0;
    // The submenu of the item, owned by this menu; null when it has none.
    virtual Menu* SubMenu(int position) = 0;
    // Draws the item through the logic from now on; `itemData` comes back
    // with each measure and draw.
    virtual void MakeOwnerDrawn(int position, int id, std::uintptr_t itemData) = 0;
};

struct MenuItemSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const MenuItemSize&, const MenuItemSize&) = default;
};

// Drawing one menu item into the menu's own surface. A backend gives the
// fills, the outline and the text; the frames and lines are fills of the
// same pixels on every backend (platform/portable/menu_item_painter.cpp).
class MenuItemPainter {
public:
    virtual ~MenuItemPainter() = default;
    // A one-pixel 3-D frame: top and left lines in one colour, bottom and
    // right in the other.
    virtual void Frame3d(const Rect& rect, Color topLeft, Color bottomRight);
    // An outlined rectangle with the surface's current pen and brush.
    virtual void OutlineRect(const Rect& rect) = 0;
    virtual void FillRect(const Rect& rect, Color color) = 0;
    // A one-pixel line from `from` up to, not including, `to`.
    virtual void Line(Point from, Point to, Color color);
    // UTF-8 text on one line, vertically centred, left-aligned, background
    // transparent, in the platform's menu font.
    virtual void Text(const Rect& rect, std::string_view text, Color color) = 0;
};

}  // namespace vx::platform
