#pragma once
// The main window's shape, cut from the mask image: every pixel whose red,
// green and blue are all above 100 is transparent.
#include <array>
#include <optional>

#include "platform/geometry.h"
#include "platform/image.h"

namespace vx::ui {

struct WindowShape {
    Region window;   // WindowRegion
    Region repaint;  // RepaintRegion: the window less the advanced page's child controls
    int width = 0;
    int height = 0;
};

inline bool IsMaskPixelCut(std::uint32_t rgb) {
    const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r > 100 && g > 100 && b > 100;
}

// Both regions as horizontal runs merged into bands, so the platform builds
// each with one call instead of one region operation per pixel. The
// cut-outs are combined by exclusive-or into the repaint region, in order;
// they may lie partly or wholly outside the mask.
WindowShape BuildWindowShape(const platform::Image& mask, const std::array<Rect, 3>& repaintCutouts);

// True when the point lies in the region.
bool RegionContains(const Region& region, int x, int y);

}  // namespace vx::ui
