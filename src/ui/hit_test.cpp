#include "ui/hit_test.h"

#include <algorithm>

namespace vx::ui {

std::int32_t HitTest(std::span<const skin::LayoutEntry> table, int last, Point point) {
    const int end = std::min(last + 1, static_cast<int>(table.size()));
    for (int i = 0; i < end; ++i) {
        if (table[static_cast<std::size_t>(i)].Contains(point)) return i;
    }
    return NoElement;
}

}  // namespace vx::ui
