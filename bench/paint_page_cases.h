// The pages and elements the window repaint benchmarks hover over, and how
// their times are summarised: shared so that the Qt and the GDI figures
// stand side by side.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/skin_layout.h"
#include "ui/paint.h"

namespace vx::bench {

struct PageCase {
    const char* name;
    ui::SkinPage page;
    // Two elements of the page: a hover moves between them; a click
    // presses the first.
    std::int32_t first;
    std::int32_t second;
};

inline constexpr PageCase kPageCases[] = {
    {"main", ui::SkinPage::MainPage, 27, 28},        // the third and fourth button's function fields
    {"advanced", ui::SkinPage::AdvancedPage, 2, 3},  // the macro editor's Add and Delete
    {"colour", ui::SkinPage::ColorPage, 1, 0},       // the fast and slow colour cycles
};

inline void SetHot(ui::PaintInputs& in, ui::SkinPage page, std::int32_t element) {
    in.hotMain = in.hotAdvanced = in.hotColor = ui::NoElement;
    switch (page) {
        case ui::SkinPage::MainPage: in.hotMain = element; break;
        case ui::SkinPage::AdvancedPage: in.hotAdvanced = element; break;
        case ui::SkinPage::ColorPage: in.hotColor = element; break;
    }
}

inline const skin::LayoutEntry* EntryOf(const skin::Layouts& layouts, ui::SkinPage page, std::int32_t element) {
    const auto i = static_cast<std::size_t>(element);
    switch (page) {
        case ui::SkinPage::MainPage: return i < layouts.main.size() ? &layouts.main[i] : nullptr;
        case ui::SkinPage::AdvancedPage: return i < layouts.advanced.size() ? &layouts.advanced[i] : nullptr;
        case ui::SkinPage::ColorPage: return i < layouts.color.size() ? &layouts.color[i] : nullptr;
    }
    return nullptr;
}

struct Figures {
    double median = 0;
    double p99 = 0;
};

// Nearest rank: p99 of 100 paints is the second slowest.
inline Figures Summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    if (n == 0) return {};
    const double median = n % 2 == 1 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(n)));
    return Figures{median, times[std::max<std::size_t>(rank, 1) - 1]};
}

}  // namespace vx::bench
