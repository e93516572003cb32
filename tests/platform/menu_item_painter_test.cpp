#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/menu.h"

namespace vx::platform {
namespace {

// Paints fills into a small character grid: the frame and line pixels
// every backend gets.
class GridPainter final : public MenuItemPainter {
public:
    std::vector<std::string> grid = std::vector<std::string>(5, std::string(7, '.'));

    void FillRect(const Rect& rect, Color color) override {
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = static_cast<char>(color.red);
            }
        }
    }
    void OutlineRect(const Rect&) override {}
    void Text(const Rect&, std::string_view, Color) override {}
};

TEST(MenuItemPainter, Frame3dIsTopLeftThenBottomRightOverTheCorners) {
    const struct {
        Rect rect;
        std::vector<std::string> grid;
    } kCases[] = {
        {{1, 1, 6, 4}, {".......", ".ttttb.", ".t...b.", ".bbbbb.", "......."}},
        {{0, 2, 7, 3}, {".......", ".......", "bbbbbbb", ".......", "......."}},
        {{2, 0, 3, 5}, {"..b....", "..b....", "..b....", "..b....", "..b...."}},
    };
    for (const auto& c : kCases) {
        GridPainter painter;
        painter.Frame3d(c.rect, Color{'t', 0, 0}, Color{'b', 0, 0});
        EXPECT_EQ(painter.grid, c.grid) << c.rect.left << "," << c.rect.top << "," << c.rect.right << ","
                                        << c.rect.bottom;
    }
}

TEST(MenuItemPainter, LinesLeaveOutTheirEndPoint) {
    const struct {
        Point from, to;
        std::vector<std::string> grid;
    } kCases[] = {
        {{1, 1}, {5, 1}, {".......", ".xxxx..", ".......", ".......", "......."}},
        {{5, 1}, {1, 1}, {".......", "..xxxx.", ".......", ".......", "......."}},
        {{2, 0}, {2, 3}, {"..x....", "..x....", "..x....", ".......", "......."}},
        {{2, 4}, {2, 1}, {".......", ".......", "..x....", "..x....", "..x...."}},
        {{0, 0}, {4, 4}, {"x......", ".x.....", "..x....", "...x...", "......."}},
        {{0, 0}, {6, 2}, {"xx.....", "..xxx..", ".....x.", ".......", "......."}},
        {{3, 3}, {3, 3}, {".......", ".......", ".......", ".......", "......."}},
    };
    for (const auto& c : kCases) {
        GridPainter painter;
        painter.Line(c.from, c.to, Color{'x', 0, 0});
        EXPECT_EQ(painter.grid, c.grid) << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
    }
}

}  // namespace
}  // namespace vx::platform
