#include <gtest/gtest.h>

#include "paint_test_support.h"

namespace vx::ui {
namespace {

using namespace test_support;

TEST(SkinImageCache, EachPictureIsDecodedOnceAcrossPaints) {
    platform::testing::FakeImageDecoder decoder;
    AddWholeSkin(decoder);
    SkinImages images(decoder, kTestSkinDir);
    platform::testing::FakeDrawing drawing;
    skin::Layouts layouts = SpreadLayouts();
    PaintInputs in = QuietInputs();
    in.page = SkinPage::ColorPage;
    in.previewDark = true;
    for (int i = 0; i < 3; ++i) PaintMainWindow(drawing, images, layouts, in);
    EXPECT_EQ(decoder.loads.size(), 5u);  // three page pictures, the mask, the grey preview
    for (const auto& [path, count] : decoder.loads) EXPECT_EQ(count, 1) << path;
    EXPECT_EQ(decoder.loads.count("S:\\color_normal_pink.jpg"), 1u);
}

TEST(SkinImageCache, MissingPicturesAreRememberedAsEmpty) {
    platform::testing::FakeImageDecoder decoder;
    SkinImages images(decoder, kTestSkinDir);
    EXPECT_EQ(images.Get("\\main_over.jpg").width, 0);
    EXPECT_EQ(images.Get("\\main_over.jpg").pixels.size(), 0u);
    EXPECT_EQ(decoder.loads["S:\\main_over.jpg"], 1);
}

TEST(SkinImageCache, PicturesWhosePixelsDoNotFillTheirSizeAreRejected) {
    platform::testing::FakeImageDecoder decoder;
    decoder.Add(kTestSkinDir + "\\main_normal.jpg", 10, 10);
    decoder.images["S:\\main_normal.jpg"].pixels.resize(50);
    SkinImages images(decoder, kTestSkinDir);
    EXPECT_EQ(images.Get("\\main_normal.jpg").width, 0);
}

TEST(SkinImageCache, PaintWithoutPicturesStillCompletes) {
    platform::testing::FakeImageDecoder decoder;
    SkinImages images(decoder, kTestSkinDir);
    platform::testing::FakeDrawing drawing;
    skin::Layouts layouts = SpreadLayouts();
    layouts.main[skin::elements::main::kSave].caption = "Save";
    PaintMainWindow(drawing, images, layouts, QuietInputs());
    const auto lines = drawing.Lines();
    // No size known: the canvas takes the window's; every step still runs.
    EXPECT_EQ(lines.front(), "canvas image 0,0,0,0");
    EXPECT_EQ(lines.back(), "present");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "text 255,255,255 -9,103 Save"), lines.end());
}

TEST(SkinImageCache, WindowSizeComesFromTheMaskElseThePagePicture) {
    platform::testing::FakeImageDecoder decoder;
    decoder.Add(kTestSkinDir + "\\main_normal.jpg", 40, 30);
    SkinImages images(decoder, kTestSkinDir);
    platform::testing::FakeDrawing drawing;
    skin::Layouts layouts;
    PaintMainWindow(drawing, images, layouts, QuietInputs());
    EXPECT_EQ(drawing.calls().front().rect, (Rect{0, 0, 40, 30}));

    decoder.Add(kTestSkinDir + "\\main_mask.jpg", 50, 60);
    SkinImages withMask(decoder, kTestSkinDir);
    drawing.Clear();
    PaintMainWindow(drawing, withMask, layouts, QuietInputs());
    EXPECT_EQ(drawing.calls().front().rect, (Rect{0, 0, 50, 60}));
}

}  // namespace
}  // namespace vx::ui
