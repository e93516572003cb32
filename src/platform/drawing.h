#pragma once
// Off-screen composition of a skinned window: a canvas started from a
// decoded picture, rectangles copied onto it from other pictures, solid
// fills and text, then one transfer to the window.
#include <cstdint>
#include <string_view>

#include "platform/color.h"
#include "platform/geometry.h"
#include "platform/image.h"
#include "platform/window.h"

namespace vx::platform {

// Shown where a picture is missing or smaller than the canvas.
inline constexpr Color kNeutralFill{48, 48, 52};

struct TextSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const TextSize&, const TextSize&) = default;
};

class Drawing {
public:
    virtual ~Drawing() = default;
    // Starts a width x height canvas holding `background` at (0, 0); any
    // part the picture does not cover is the neutral fill. A width or height
    // of 0 (no picture gave a size) means the window's own client size.
    virtual void BeginCanvas(const Image& background, int width, int height) = 0;
    // Copies `rect` of `source` to the same place on the canvas. Parts
    // outside the source or the canvas are left alone.
    virtual void CopyRect(const Image& source, const Rect& rect) = 0;
    virtual void FillRect(const Rect& rect, Color color) = 0;
    virtual void SelectFont(FontHandle font) = 0;
    // Width and height of UTF-8 text in the selected font.
    virtual TextSize MeasureText(std::string_view text) = 0;
    // Draws UTF-8 text with its cell's top-left corner at `at`, background
    // left transparent.
    virtual void DrawTextAt(Point at, std::string_view text, Color color) = 0;
    // Copies the canvas area (0, 0, width, height) to the window's origin,
    // only inside `clip` when one is given.
    virtual void Present(const Region* clip) = 0;
};

}  // namespace vx::platform
