#pragma once
// The menu resources shown as QMenus whose owner-drawn items the logic
// measures and paints (WindowEvents::OnMeasureMenuItem, OnDrawMenuItem).
#include <QPainter>
#include <QPoint>
#include <QWidget>

#include "platform/menu.h"
#include "platform/window.h"

namespace vx::platform {

class QtMenuItemPainter final : public MenuItemPainter {
public:
    explicit QtMenuItemPainter(QPainter& painter) : painter_(painter) {}

    void OutlineRect(const Rect& rect) override;
    void FillRect(const Rect& rect, Color color) override;
    void Text(const Rect& rect, std::string_view text, Color color) override;

private:
    QPainter& painter_;
};

// Shows the first submenu of `menu` (a menu from LoadMenu) at the screen
// point until the user chooses or dismisses it; the chosen command id, or
// 0 for none. `events` draws the owner-drawn items.
int RunQtMenu(Menu& menu, QPoint screenPoint, WindowEvents& events, QWidget* parent);

}  // namespace vx::platform
