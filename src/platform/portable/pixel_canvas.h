#pragma once
// The off-screen canvas of a skinned window's paint, the same on every
// backend: width x height pixels 0xFFRRGGBB, rows from the top (the Image
// layout with an opaque alpha, so that a backend can hand the buffer to its
// window as it is). Every operation is clipped to the canvas and to its
// source picture.
#include <cstdint>
#include <vector>

#include "platform/color.h"
#include "platform/drawing.h"
#include "platform/geometry.h"
#include "platform/image.h"

namespace vx::platform {

class PixelCanvas {
public:
    // A width x height canvas holding `background` at (0, 0), the neutral
    // fill wherever the picture does not reach; a width or height of 0 or
    // less leaves the canvas empty.
    void Begin(const Image& background, int width, int height);
    // Copies `rect` of `source` to the same place on the canvas.
    void CopyRect(const Image& source, const Rect& rect);
    void FillRect(const Rect& rect, Color color);

    bool Empty() const { return pixels_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint32_t* Pixels() { return pixels_.data(); }
    const std::uint32_t* Pixels() const { return pixels_.data(); }
    std::uint32_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// 0xFFRRGGBB.
constexpr std::uint32_t OpaquePixel(Color color) {
    return 0xFF000000u | (std::uint32_t{color.red} << 16) | (std::uint32_t{color.green} << 8) | color.blue;
}

struct CanvasSize {
    int width = 0;
    int height = 0;
};

// A Drawing over a PixelCanvas: the backend adds the text, which needs its
// fonts, and the transfer of the canvas to its window.
class CanvasDrawing : public Drawing {
public:
    void BeginCanvas(const Image& background, int width, int height) final;
    void CopyRect(const Image& source, const Rect& rect) final { canvas_.CopyRect(source, rect); }
    void FillRect(const Rect& rect, Color color) final { canvas_.FillRect(rect, color); }

protected:
    // The window's client area: the canvas size when no picture gave one.
    virtual CanvasSize ClientSize() = 0;
    PixelCanvas& Canvas() { return canvas_; }

private:
    PixelCanvas canvas_;
};

}  // namespace vx::platform
