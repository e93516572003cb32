#pragma once
// The layout tables read from the skin's layout files: where every element
// of a page lies, the caption drawn on it, and the display names of the
// button functions.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/geometry.h"
#include "skin/skin_elements.h"

namespace vx::skin {

// One element: a half-open rectangle and its caption.
struct LayoutEntry {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::string caption;

    // Computed in 64 bits so that absurd numbers from a hand-edited file
    // cannot overflow.
    bool Contains(Point p) const {
        const std::int64_t px = p.x, py = p.y;
        return px >= x && px < std::int64_t{x} + width && py >= y && py < std::int64_t{y} + height;
    }
    // The rectangle as left, top, right, bottom (limited to the int range).
    Rect Bounds() const;
    friend bool operator==(const LayoutEntry&, const LayoutEntry&) = default;
};

inline constexpr std::size_t kMainLayoutSize = 124;
inline constexpr std::size_t kAdvancedLayoutSize = 52;
inline constexpr std::size_t kColorLayoutSize = 13;
inline constexpr std::size_t kWarningLayoutSize = 3;
inline constexpr std::size_t kFunctionNameCount = 55;

static_assert(elements::main::kCount <= static_cast<int>(kMainLayoutSize));
static_assert(elements::advanced::kCount <= static_cast<int>(kAdvancedLayoutSize));
static_assert(elements::color::kCount <= static_cast<int>(kColorLayoutSize));
static_assert(elements::warning::kCount <= static_cast<int>(kWarningLayoutSize));

// Indexed by the element (key) number.
template <std::size_t N>
using SkinLayout = std::array<LayoutEntry, N>;

using MainLayout = SkinLayout<kMainLayoutSize>;
using AdvancedLayout = SkinLayout<kAdvancedLayoutSize>;
using ColorLayout = SkinLayout<kColorLayoutSize>;
using WarningLayout = SkinLayout<kWarningLayoutSize>;
// Indexed by button function code; slot 0 stays empty.
using FunctionNames = std::array<std::string, kFunctionNameCount>;

// Every table the layout files fill. Zeros and empty texts until the first
// load; each load overwrites its tables completely.
struct Layouts {
    MainLayout main;
    AdvancedLayout advanced;
    ColorLayout color;
    WarningLayout warning;
    FunctionNames functionNames;
    // [EDIT] 3 (repeat count) and 4 (macro name).
    std::array<Rect, 2> macroEditRects{};
    // [MACRODISPLAY] 1 (macro list) and 2 (event list).
    std::array<Rect, 2> macroDisplayRects{};
};

}  // namespace vx::skin
