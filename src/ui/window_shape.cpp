#include "ui/window_shape.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <set>
#include <vector>

namespace vx::ui {
namespace {

// One row's covered x intervals, [x0, x1) each, sorted and disjoint.
using Runs = std::vector<std::pair<int, int>>;

Runs MaskRowRuns(const platform::Image& mask, int y) {
    Runs runs;
    int x = 0;
    while (x < mask.width) {
        while (x < mask.width && IsMaskPixelCut(mask.At(x, y))) ++x;
        const int start = x;
        while (x < mask.width && !IsMaskPixelCut(mask.At(x, y))) ++x;
        if (x > start) runs.emplace_back(start, x);
    }
    return runs;
}

// Exclusive-or of interval sets by parity of boundary crossings.
Runs XorRuns(const Runs& base, const std::vector<std::pair<int, int>>& extra) {
    if (extra.empty()) return base;
    std::vector<std::pair<int, int>> edges;  // (x, +1 toggle)
    for (const auto& [a, b] : base) {
        edges.emplace_back(a, 1);
        edges.emplace_back(b, 1);
    }
    for (const auto& [a, b] : extra) {
        if (a < b) {
            edges.emplace_back(a, 1);
            edges.emplace_back(b, 1);
        }
    }
    std::sort(edges.begin(), edges.end());
    Runs result;
    bool inside = false;
    int start = 0;
    for (std::size_t i = 0; i < edges.size();) {
        const int x = edges[i].first;
        int toggles = 0;
        for (; i < edges.size() && edges[i].first == x; ++i) toggles += edges[i].second;
        if (toggles % 2 == 0) continue;
        if (!inside) {
            start = x;
            inside = true;
        } else {
            if (x > start) result.emplace_back(start, x);
            inside = false;
        }
    }
    return result;
}

// Appends a band of rows [top, bottom) with the given runs, growing the
// previous band's rectangles downwards when they are identical.
class RegionBuilder {
public:
    void AddBand(int top, int bottom, const Runs& runs) {
        if (top >= bottom) return;
        if (runs == lastRuns_ && lastBottom_ == top && !runs.empty()) {
            for (std::size_t i = bandStart_; i < region_.rects.size(); ++i) region_.rects[i].bottom = bottom;
            lastBottom_ = bottom;
            return;
        }
        bandStart_ = region_.rects.size();
        for (const auto& [a, b] : runs) region_.rects.push_back(Rect{a, top, b, bottom});
        lastRuns_ = runs;
        lastBottom_ = bottom;
    }
    Region Take() { return std::move(region_); }

private:
    Region region_;
    Runs lastRuns_;
    int lastBottom_ = INT_MIN;
    std::size_t bandStart_ = 0;
};

// Rectangles covering rows [top, bottom) as x intervals.
std::vector<std::pair<int, int>> CutoutsAt(const std::array<Rect, 3>& cutouts, int top, int bottom) {
    std::vector<std::pair<int, int>> spans;
    for (const Rect& r : cutouts) {
        if (!r.IsEmpty() && r.top <= top && bottom <= r.bottom) spans.emplace_back(r.left, r.right);
    }
    return spans;
}

}  // namespace

WindowShape BuildWindowShape(const platform::Image& mask, const std::array<Rect, 3>& repaintCutouts) {
    WindowShape shape;
    shape.width = mask.width;
    shape.height = mask.height;

    // Row boundaries where the repaint region's make-up can change: every
    // mask row, and the cut-outs' top and bottom edges.
    std::set<int> breaks{0, mask.height};
    for (const Rect& r : repaintCutouts) {
        if (!r.IsEmpty()) {
            breaks.insert(r.top);
            breaks.insert(r.bottom);
        }
    }

    RegionBuilder window;
    RegionBuilder repaint;
    for (int y = 0; y < mask.height; ++y) {
        const Runs runs = MaskRowRuns(mask, y);
        window.AddBand(y, y + 1, runs);
        repaint.AddBand(y, y + 1, XorRuns(runs, CutoutsAt(repaintCutouts, y, y + 1)));
    }
    // Outside the mask's rows only the cut-outs contribute.
    const std::vector<int> edges(breaks.begin(), breaks.end());
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const int top = edges[i], bottom = edges[i + 1];
        if (top >= 0 && bottom <= mask.height) continue;
        repaint.AddBand(top, bottom, XorRuns({}, CutoutsAt(repaintCutouts, top, bottom)));
    }
    shape.window = window.Take();
    shape.repaint = repaint.Take();
    std::sort(shape.repaint.rects.begin(), shape.repaint.rects.end(),
              [](const Rect& a, const Rect& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; });
    return shape;
}

bool RegionContains(const Region& region, int x, int y) {
    return std::any_of(region.rects.begin(), region.rects.end(), [&](const Rect& r) { return r.Contains(x, y); });
}

}  // namespace vx::ui
