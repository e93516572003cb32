#include "skin/skin_layout.h"

#include <algorithm>
#include <limits>

namespace vx::skin {

namespace {

int ClampToInt(std::int64_t v) {
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

Rect LayoutEntry::Bounds() const {
    return Rect{x, y, ClampToInt(std::int64_t{x} + width), ClampToInt(std::int64_t{y} + height)};
}

}  // namespace vx::skin
