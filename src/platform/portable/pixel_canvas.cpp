#include "platform/portable/pixel_canvas.h"

#include <algorithm>

namespace vx::platform {

void PixelCanvas::Begin(const Image& background, int width, int height) {
    if (width <= 0 || height <= 0) {
        width_ = height_ = 0;
        pixels_.clear();
        return;
    }
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), OpaquePixel(kNeutralFill));
    CopyRect(background, Rect{0, 0, width, height});
}

void PixelCanvas::CopyRect(const Image& source, const Rect& rect) {
    if (source.width <= 0) return;
    // A picture whose pixels fall short of its size gives only its whole rows.
    const auto sourceWidth = static_cast<std::size_t>(source.width);
    const int sourceRows = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(std::max(source.height, 0)),
                                                                  source.pixels.size() / sourceWidth));
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min({rect.right, width_, source.width});
    const int bottom = std::min({rect.bottom, height_, sourceRows});
    if (right <= left || bottom <= top) return;
    for (int y = top; y < bottom; ++y) {
        const std::uint32_t* from = source.pixels.data() + static_cast<std::size_t>(y) * sourceWidth;
        std::uint32_t* to = pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
        for (int x = left; x < right; ++x) to[x] = 0xFF000000u | from[x];
    }
}

void PixelCanvas::FillRect(const Rect& rect, Color color) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, width_);
    const int bottom = std::min(rect.bottom, height_);
    if (right <= left || bottom <= top) return;
    const std::uint32_t pixel = OpaquePixel(color);
    for (int y = top; y < bottom; ++y) {
        std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
        std::fill(row + left, row + right, pixel);
    }
}

void CanvasDrawing::BeginCanvas(const Image& background, int width, int height) {
    if (width <= 0 || height <= 0) {
        const CanvasSize client = ClientSize();
        width = client.width;
        height = client.height;
    }
    canvas_.Begin(background, width, height);
}

}  // namespace vx::platform
