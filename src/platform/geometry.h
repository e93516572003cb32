#pragma once
// Rectangles and regions in window pixels. Rectangles are half-open.
#include <vector>

namespace vx {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A region as disjoint rectangles (the platform builds its own region from
// them in one call).
struct Region {
    std::vector<Rect> rects;
};

}  // namespace vx
