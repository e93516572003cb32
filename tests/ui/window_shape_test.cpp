#include <gtest/gtest.h>

#include <random>

#include "ui/window_shape.h"

namespace vx::ui {
namespace {

platform::Image SolidImage(int w, int h, std::uint32_t rgb) {
    platform::Image image;
    image.width = w;
    image.height = h;
    image.pixels.assign(static_cast<std::size_t>(w) * h, rgb);
    return image;
}

void SetPixel(platform::Image& image, int x, int y, std::uint32_t rgb) {
    image.pixels[static_cast<std::size_t>(y) * image.width + x] = rgb;
}

// Counts how often the point is covered: a well-formed region covers each
// point at most once.
int Coverage(const Region& region, int x, int y) {
    int n = 0;
    for (const Rect& r : region.rects) n += r.Contains(x, y) ? 1 : 0;
    return n;
}

TEST(MaskPixels, AreCutOnlyWhenAllThreeComponentsExceedOneHundred) {
    EXPECT_TRUE(IsMaskPixelCut(0x656565));   // (101, 101, 101)
    EXPECT_FALSE(IsMaskPixelCut(0x64FFFF));  // (100, 255, 255)
    EXPECT_FALSE(IsMaskPixelCut(0xFF64FF));
    EXPECT_FALSE(IsMaskPixelCut(0xFFFF64));
    EXPECT_TRUE(IsMaskPixelCut(0xFFFFFF));
    EXPECT_FALSE(IsMaskPixelCut(0x000000));
}

TEST(WindowShape, CutsLightPixelsAndKeepsDarkOnes) {
    auto mask = SolidImage(4, 3, 0x000000);
    SetPixel(mask, 0, 0, 0x656565);
    SetPixel(mask, 3, 2, 0xFFFFFF);
    SetPixel(mask, 1, 1, 0x64FFFF);
    const WindowShape shape = BuildWindowShape(mask, {});
    EXPECT_EQ(shape.width, 4);
    EXPECT_EQ(shape.height, 3);
    EXPECT_EQ(Coverage(shape.window, 0, 0), 0);
    EXPECT_EQ(Coverage(shape.window, 3, 2), 0);
    EXPECT_EQ(Coverage(shape.window, 1, 1), 1);
    EXPECT_EQ(Coverage(shape.window, 3, 0), 1);
    EXPECT_EQ(Coverage(shape.window, 4, 0), 0);  // half-open right edge
}

TEST(WindowShape, IdenticalRowsMergeIntoTallRectangles) {
    auto mask = SolidImage(800, 520, 0x000000);
    const WindowShape shape = BuildWindowShape(mask, {});
    ASSERT_EQ(shape.window.rects.size(), 1u);
    EXPECT_EQ(shape.window.rects[0], (Rect{0, 0, 800, 520}));
}

TEST(WindowShape, AllLightMaskLeavesAnEmptyWindowRegion) {
    const WindowShape shape = BuildWindowShape(SolidImage(5, 5, 0xFFFFFF), {});
    EXPECT_TRUE(shape.window.rects.empty());
}

// The region built from runs must equal the pixel-by-pixel exclusive-or
// of the rectangle, the light pixels and the cut-outs.
TEST(WindowShape, MatchesPixelByPixelExclusiveOrOnRandomMasks) {
    std::mt19937 random(12345);
    for (int round = 0; round < 20; ++round) {
        const int w = 1 + static_cast<int>(random() % 40), h = 1 + static_cast<int>(random() % 30);
        auto mask = SolidImage(w, h, 0);
        for (auto& p : mask.pixels) p = (random() % 3 == 0) ? 0xC8C8C8u : 0x101010u;
        std::array<Rect, 3> cutouts;
        for (auto& r : cutouts) {
            const int x = static_cast<int>(random() % 60) - 10, y = static_cast<int>(random() % 50) - 10;
            r = Rect{x, y, x + static_cast<int>(random() % 25), y + static_cast<int>(random() % 25)};
        }
        const WindowShape shape = BuildWindowShape(mask, cutouts);
        for (int y = -12; y < 70; ++y) {
            for (int x = -12; x < 80; ++x) {
                const bool inMask = x >= 0 && y >= 0 && x < w && y < h;
                const bool kept = inMask && !IsMaskPixelCut(mask.At(x, y));
                bool repaint = kept;
                for (const Rect& r : cutouts) repaint ^= r.Contains(x, y);
                ASSERT_EQ(Coverage(shape.window, x, y), kept ? 1 : 0) << x << "," << y;
                ASSERT_EQ(Coverage(shape.repaint, x, y), repaint ? 1 : 0) << x << "," << y << " round " << round;
            }
        }
    }
}

TEST(WindowShape, OverlappingCutoutsCancelWhereTheyMeet) {
    const auto mask = SolidImage(10, 10, 0);
    const std::array<Rect, 3> cutouts = {Rect{2, 2, 6, 6}, Rect{4, 4, 8, 8}, Rect{}};
    const WindowShape shape = BuildWindowShape(mask, cutouts);
    EXPECT_EQ(Coverage(shape.repaint, 3, 3), 0);  // first cut-out only
    EXPECT_EQ(Coverage(shape.repaint, 5, 5), 1);  // both: back in
    EXPECT_EQ(Coverage(shape.repaint, 7, 7), 0);  // second only
    EXPECT_EQ(Coverage(shape.window, 5, 5), 1);   // the window itself is untouched
}

}  // namespace
}  // namespace vx::ui
