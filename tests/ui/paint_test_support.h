#pragma once
// Shared set-up of the paint tests: a skin of small synthetic pictures and
// a layout whose element rectangles are easy to tell apart.
#include <string>

#include "platform/testing/fake_drawing.h"
#include "platform/testing/fake_image_decoder.h"
#include "skin/skin_elements.h"
#include "skin/skin_layout.h"
#include "ui/paint.h"
#include "ui/skin_images.h"

namespace vx::ui::test_support {

inline const std::string kTestSkinDir = "S:";
inline constexpr int kWindowWidth = 1300;
inline constexpr int kWindowHeight = 130;

// Every picture of the three pages and the preview, window-sized.
inline void AddWholeSkin(platform::testing::FakeImageDecoder& decoder) {
    for (const char* name :
         {"\\main_normal.jpg", "\\main_over.jpg", "\\main_down.jpg", "\\advanced_normal.jpg", "\\advanced_over.jpg",
          "\\advanced_down.jpg", "\\color_normal_pink.jpg", "\\color_over_red.jpg", "\\color_down_purple.jpg",
          "\\color_normal_gray.jpg", "\\color_over_blue.jpg", "\\main_mask.jpg"}) {
        decoder.Add(kTestSkinDir + name, kWindowWidth, kWindowHeight);
    }
}

// Gives the recorded pictures short names: normal, over, down, gray, blue.
inline void NameImages(platform::testing::FakeDrawing& drawing, SkinImages& images) {
    for (SkinPage page : {SkinPage::MainPage, SkinPage::AdvancedPage, SkinPage::ColorPage}) {
        const PageImageNames names = PageImagesOf(page);
        drawing.NameImage(images.Get(names.normal), "normal");
        drawing.NameImage(images.Get(names.over), "over");
        drawing.NameImage(images.Get(names.down), "down");
    }
    drawing.NameImage(images.Get(kPreviewGrayImage), "gray");
    drawing.NameImage(images.Get(kPreviewBlueImage), "blue");
}

// Element i of every table at (10 i, 100), 10 x 20 pixels, no captions.
inline skin::Layouts SpreadLayouts() {
    skin::Layouts layouts;
    auto spread = [](auto& table) {
        for (std::size_t i = 0; i < table.size(); ++i) {
            table[i] = skin::LayoutEntry{static_cast<int>(10 * i), 100, 10, 20, ""};
        }
    };
    spread(layouts.main);
    spread(layouts.advanced);
    spread(layouts.color);
    return layouts;
}

// What the fake drawing records for element `element` of a spread layout:
// a copy of its whole rectangle from a page picture, or a DPI cell's fill,
// which keeps a one-pixel frame on the left and top.
inline std::string CopyOf(const std::string& picture, int element, int width = 10) {
    return "copy " + picture + " " + std::to_string(10 * element) + ",100," + std::to_string(width) + ",20";
}
inline std::string FillOf(const std::string& colour, int element) {
    return "fill " + colour + " " + std::to_string(1 + 10 * element) + ",101,8,19";
}

// A quiet configuration: every level disabled at step 0 is still a bar,
// so the tests that do not look at the bars set them out of range.
inline PaintInputs QuietInputs() {
    PaintInputs in;
    in.currentConfigNumber = 1;
    in.language = settings::UiLanguage::English;
    in.font = 7;
    for (int level = 0; level < 4; ++level) in.config.DpiSet(level) = 200;
    in.config.DPI_LEVEL = -1;
    in.config.LED_STATUS = 200;
    in.config.DPI_SPEED = 200;
    in.config.WHEEL_SPEED = 200;
    in.previewColor = 1;
    return in;
}

}  // namespace vx::ui::test_support
