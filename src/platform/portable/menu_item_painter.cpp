#include <cstdlib>

#include "platform/menu.h"

namespace vx::platform {

void MenuItemPainter::Frame3d(const Rect& rect, Color topLeft, Color bottomRight) {
    // The bottom and right lines cover the corners they share with the others.
    FillRect(Rect{rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    FillRect(Rect{rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
    FillRect(Rect{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    FillRect(Rect{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
}

void MenuItemPainter::Line(Point from, Point to, Color color) {
    // A row or a column is one fill; the end point is left out either way.
    if (from.y == to.y) {
        if (from.x != to.x) {
            const bool rightwards = to.x > from.x;
            FillRect(Rect{rightwards ? from.x : to.x + 1, from.y, rightwards ? to.x : from.x + 1, from.y + 1}, color);
        }
        return;
    }
    if (from.x == to.x) {
        const bool downwards = to.y > from.y;
        FillRect(Rect{from.x, downwards ? from.y : to.y + 1, from.x + 1, downwards ? to.y : from.y + 1}, color);
        return;
    }
    // Any other slope pixel by pixel (Bresenham), again without the end.
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    Point at = from;
    while (at != to) {
        FillRect(Rect{at.x, at.y, at.x + 1, at.y + 1}, color);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            at.y += stepY;
        }
    }
}

}  // namespace vx::platform
