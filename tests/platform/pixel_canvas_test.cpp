#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/portable/pixel_canvas.h"

namespace vx::platform {
namespace {

constexpr std::uint32_t kNeutral = 0xFF303034;  // kNeutralFill, opaque

// A picture whose every pixel tells its place: 0x00XXYY (alpha left 0, as
// decoders give it).
Image Numbered(int width, int height) {
    Image image{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.pixels.push_back(static_cast<std::uint32_t>(x << 8 | y));
    }
    return image;
}

// The canvas row by row, a character a pixel: 'n' neutral, 'p' copied from
// the numbered picture at the same place, 'f' the fill colour, '?' other.
std::vector<std::string> Rows(const PixelCanvas& canvas) {
    std::vector<std::string> rows;
    for (int y = 0; y < canvas.Height(); ++y) {
        std::string row;
        for (int x = 0; x < canvas.Width(); ++x) {
            const std::uint32_t pixel = canvas.At(x, y);
            row += pixel == kNeutral                                                 ? 'n'
                   : pixel == (0xFF000000u | static_cast<std::uint32_t>(x << 8 | y)) ? 'p'
                   : pixel == 0xFF0A141Eu                                            ? 'f'
                                                                                     : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(PixelCanvas, BeginHoldsThePictureAndTheNeutralFillBeyondIt) {
    const struct {
        int pictureWidth, pictureHeight, width, height;
        std::vector<std::string> rows;
    } kCases[] = {
        {4, 3, 4, 3, {"pppp", "pppp", "pppp"}},
        {2, 2, 4, 3, {"ppnn", "ppnn", "nnnn"}},
        {6, 5, 3, 2, {"ppp", "ppp"}},
        {0, 0, 2, 2, {"nn", "nn"}},
        {3, 3, 0, 3, {}},
        {3, 3, 3, -1, {}},
    };
    for (const auto& c : kCases) {
        PixelCanvas canvas;
        canvas.Begin(Numbered(c.pictureWidth, c.pictureHeight), c.width, c.height);
        EXPECT_EQ(Rows(canvas), c.rows) << c.pictureWidth << "x" << c.pictureHeight << " on " << c.width << "x"
                                        << c.height;
        EXPECT_EQ(canvas.Empty(), c.rows.empty());
    }
}

TEST(PixelCanvas, CopiesAndFillsStayInsideTheCanvasAndTheSource) {
    const Image blank{};
    const struct {
        Rect rect;
        int sourceWidth, sourceHeight;
        std::vector<std::string> copied;
        std::vector<std::string> filled;
    } kCases[] = {
        {{1, 1, 3, 2}, 5, 4, {"nnnnn", "nppnn", "nnnnn"}, {"nnnnn", "nffnn", "nnnnn"}},
        {{-2, -2, 2, 1}, 5, 4, {"ppnnn", "nnnnn", "nnnnn"}, {"ffnnn", "nnnnn", "nnnnn"}},
        {{3, 1, 9, 9}, 5, 4, {"nnnnn", "nnnpp", "nnnpp"}, {"nnnnn", "nnnff", "nnnff"}},
        {{0, 0, 5, 3}, 2, 1, {"ppnnn", "nnnnn", "nnnnn"}, {"fffff", "fffff", "fffff"}},
        {{3, 0, 1, 3}, 5, 4, {"nnnnn", "nnnnn", "nnnnn"}, {"nnnnn", "nnnnn", "nnnnn"}},
        {{6, 0, 8, 3}, 9, 9, {"nnnnn", "nnnnn", "nnnnn"}, {"nnnnn", "nnnnn", "nnnnn"}},
    };
    for (const auto& c : kCases) {
        PixelCanvas copy;
        copy.Begin(blank, 5, 3);
        copy.CopyRect(Numbered(c.sourceWidth, c.sourceHeight), c.rect);
        EXPECT_EQ(Rows(copy), c.copied) << c.rect.left << "," << c.rect.top << "," << c.rect.right << ","
                                        << c.rect.bottom;
        PixelCanvas fill;
        fill.Begin(blank, 5, 3);
        fill.FillRect(c.rect, Color{10, 20, 30});
        EXPECT_EQ(Rows(fill), c.filled) << c.rect.left << "," << c.rect.top << "," << c.rect.right << ","
                                        << c.rect.bottom;
    }
}

TEST(PixelCanvas, APictureShortOfItsPixelsGivesOnlyItsWholeRows) {
    Image shortPicture = Numbered(3, 3);
    shortPicture.pixels.resize(7);  // two whole rows and one pixel
    PixelCanvas canvas;
    canvas.Begin(shortPicture, 3, 3);
    EXPECT_EQ(Rows(canvas), (std::vector<std::string>{"ppp", "ppp", "nnn"}));
    canvas.CopyRect(Image{-1, 5, {}}, Rect{0, 0, 3, 3});
    canvas.CopyRect(Image{4, 2, {}}, Rect{0, 0, 3, 3});
    EXPECT_EQ(Rows(canvas), (std::vector<std::string>{"ppp", "ppp", "nnn"}));
}

}  // namespace
}  // namespace vx::platform
