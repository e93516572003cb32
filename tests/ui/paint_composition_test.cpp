#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "paint_test_support.h"

namespace vx::ui {
namespace {

using namespace test_support;
using Lines = std::vector<std::string>;
namespace main = skin::elements::main;
namespace advanced = skin::elements::advanced;
namespace color = skin::elements::color;

class PaintComposition : public ::testing::Test {
protected:
    PaintComposition() {
        AddWholeSkin(decoder);
        NameImages(drawing, images);
    }
    // The picture lines of one paint: canvas, copies and fills.
    Lines Paint(const PaintInputs& in) {
        drawing.Clear();
        PaintMainWindow(drawing, images, layouts, in);
        Lines lines;
        for (const std::string& line : drawing.Lines()) {
            if (line.rfind("text", 0) != 0 && line.rfind("font", 0) != 0 && line.rfind("present", 0) != 0) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    platform::testing::FakeImageDecoder decoder;
    SkinImages images{decoder, kTestSkinDir};
    platform::testing::FakeDrawing drawing;
    skin::Layouts layouts = SpreadLayouts();
};

TEST_F(PaintComposition, MainPageInItsOrder) {
    PaintInputs in = QuietInputs();
    in.hotMain = main::kFunction3;
    in.currentConfigNumber = 2;
    in.config.DPI_LEVEL = 1;
    in.config.DPI_SET0 = 0;
    in.config.DPI_SET1 = 2;
    in.config.DPI_SET_EN0 = true;
    in.config.WHEEL_STATUS = 1;
    EXPECT_EQ(Paint(in), (Lines{
                             "canvas normal 0,0,1300,130",
                             CopyOf("over", main::kFunction3),
                             CopyOf("down", main::kDpiSelect2),
                             FillOf("0,0,255", main::kDpi1_200),
                             CopyOf("down", main::kDpiEnable1),
                             FillOf("255,0,255", main::kDpi2_200),
                             FillOf("255,0,255", main::kDpi2_400),
                             FillOf("255,0,255", main::kDpi2_600),
                             CopyOf("down", main::kWheelAlternate),
                             CopyOf("over", main::kMouseParts.At(main::kButtonRows.IndexOf(main::kFunction3))),
                             CopyOf("down", main::kProfile2),
                             CopyOf("down", main::kTabMain),
                             CopyOf("down", main::kLangEn),
                         }));
}

TEST_F(PaintComposition, PaintEndsWithTextsThenOneTransfer) {
    layouts.main[main::kSave].caption = "Save";
    Paint(QuietInputs());
    const Lines all = drawing.Lines();
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[all.size() - 3], "font 7");
    EXPECT_EQ(all[all.size() - 2].rfind("text ", 0), 0u);
    EXPECT_EQ(all.back(), "present");
}

TEST_F(PaintComposition, HoveredElementShowsPressedWhileTheButtonIsHeld) {
    PaintInputs in = QuietInputs();
    in.hotMain = main::kWheelStandard;
    in.pressed = true;
    EXPECT_EQ(Paint(in)[1], CopyOf("down", main::kWheelStandard));
    in.pressed = false;
    EXPECT_EQ(Paint(in)[1], CopyOf("over", main::kWheelStandard));
    // The companion lights up from the over picture either way.
    in.hotMain = main::kWheelField;
    in.pressed = true;
    const Lines lines = Paint(in);
    EXPECT_EQ(lines[1], CopyOf("down", main::kWheelField));
    EXPECT_NE(std::find(lines.begin(), lines.end(), CopyOf("over", main::kMouseWheel)), lines.end());
}

TEST_F(PaintComposition, CommonElementsTakeTheFirstMatchingRule) {
    PaintInputs in = QuietInputs();
    in.currentConfigNumber = 3;
    in.hotMain = main::kProfile3;  // the current configuration's element: down, never over
    in.language = settings::UiLanguage::Chinese;
    EXPECT_EQ(Paint(in), (Lines{"canvas normal 0,0,1300,130", CopyOf("over", main::kProfile3),
                                CopyOf("down", main::kWheelStandard), CopyOf("down", main::kProfile3),
                                CopyOf("down", main::kTabMain), CopyOf("down", main::kLangCn)}));
    in.hotMain = main::kMinimize;
    in.pressed = true;
    const Lines pressed = Paint(in);
    EXPECT_EQ(std::count(pressed.begin(), pressed.end(), CopyOf("down", main::kMinimize)), 2);  // hover and rule 2
}

TEST_F(PaintComposition, EveryPageShowsTheCurrentConfigurationAndItsOwnTab) {
    PaintInputs in = QuietInputs();
    in.currentConfigNumber = 3;
    for (auto [page, tab] :
         {std::pair{SkinPage::MainPage, main::kTabMain}, std::pair{SkinPage::AdvancedPage, main::kTabAdvanced},
          std::pair{SkinPage::ColorPage, main::kTabColor}}) {
        in.page = page;
        const Lines lines = Paint(in);
        const Lines tail(lines.end() - 3, lines.end());
        EXPECT_EQ(tail, (Lines{CopyOf("down", main::kProfile3), CopyOf("down", tab), CopyOf("down", main::kLangEn)}));
    }
}

TEST_F(PaintComposition, DpiBarsGrowToTheChosenStep) {
    PaintInputs in = QuietInputs();
    in.config.DPI_SET2 = 11;
    in.config.DPI_SET3 = 0;
    const Lines lines = Paint(in);
    int level2 = 0, level3 = 0;
    for (const std::string& line : lines) {
        if (line.rfind("fill 255,0,0 ", 0) == 0) ++level2;
        if (line.rfind("fill 128,0,255 ", 0) == 0) ++level3;
    }
    EXPECT_EQ(level2, 12);
    EXPECT_EQ(level3, 1);
    EXPECT_NE(std::find(lines.begin(), lines.end(), FillOf("255,0,0", main::kDpi3_4800)), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), FillOf("128,0,255", main::kDpi4_200)), lines.end());
}

TEST_F(PaintComposition, ValuesOutsideTheTablesDrawNothing) {
    PaintInputs in = QuietInputs();
    in.config.DPI_SET3 = 12;  // would run past the last cell
    in.config.DPI_LEVEL = 70;
    in.config.WHEEL_STATUS = 0;
    EXPECT_EQ(Paint(in),
              (Lines{"canvas normal 0,0,1300,130", CopyOf("down", main::kWheelStandard),
                     CopyOf("down", main::kProfile1), CopyOf("down", main::kTabMain), CopyOf("down", main::kLangEn)}));
}

TEST_F(PaintComposition, DisabledLevelKeepsItsBarButNotItsEnableBox) {
    PaintInputs in = QuietInputs();
    in.config.DPI_SET1 = 0;
    in.config.DPI_SET_EN1 = false;
    const Lines lines = Paint(in);
    EXPECT_NE(std::find(lines.begin(), lines.end(), FillOf("255,0,255", main::kDpi2_200)), lines.end());
    EXPECT_EQ(std::find(lines.begin(), lines.end(), CopyOf("down", main::kDpiEnable2)), lines.end());
}

TEST_F(PaintComposition, AdvancedPageInItsOrder) {
    layouts.advanced[advanced::kFireSlider] = skin::LayoutEntry{300, 100, 200, 20, ""};
    PaintInputs in = QuietInputs();
    in.page = SkinPage::AdvancedPage;
    in.recording = true;
    in.config.DPI_SPEED = 3;
    in.config.WHEEL_SPEED = 9;
    in.config.FIRE_TIME = 150;
    in.config.MACRO_MODE2 = 1;
    in.selectedMacroRepeats = true;
    in.hotAdvanced = advanced::kAddMacro;
    in.hotMain = main::kProfile2;  // the main table's hover is not this page's hovered element
    EXPECT_EQ(Paint(in), (Lines{
                             "canvas normal 0,0,1300,130",
                             CopyOf("over", advanced::kAddMacro),
                             CopyOf("down", advanced::kRecord),
                             CopyOf("down", advanced::kPointerSpeed_4),
                             CopyOf("down", advanced::kScrollSpeed_10),
                             CopyOf("down", advanced::kFireSlider, 100),  // rapid fire 150 of 300
                             CopyOf("down", advanced::kHoldMode),
                             CopyOf("down", advanced::kLoop),  // repeat of the selected macro
                             CopyOf("down", main::kProfile1),
                             CopyOf("over", main::kProfile2),  // common element under the pointer
                             CopyOf("down", main::kTabAdvanced),
                             CopyOf("down", main::kLangEn),
                         }));
}

TEST_F(PaintComposition, RapidFireBarCoversTheSliderProportionally) {
    layouts.advanced[advanced::kFireSlider] = skin::LayoutEntry{300, 100, 200, 20, ""};
    PaintInputs in = QuietInputs();
    in.page = SkinPage::AdvancedPage;
    auto barOf = [&](int fireTime) {
        in.config.FIRE_TIME = fireTime;
        for (const std::string& line : Paint(in)) {
            if (line.rfind("copy down 300,", 0) == 0) return line;
        }
        return std::string("none");
    };
    EXPECT_EQ(barOf(0), "none");
    EXPECT_EQ(barOf(1), "none");  // 200 / 300 truncates to 0
    EXPECT_EQ(barOf(300), "copy down 300,100,200,20");
    EXPECT_EQ(barOf(299), "copy down 300,100,199,20");
    // Hand-edited values never leave the slider.
    EXPECT_EQ(barOf(100000), "copy down 300,100,200,20");
    EXPECT_EQ(barOf(-5), "none");
}

TEST_F(PaintComposition, HeldSliderShowsItsBarNotItsPressedPicture) {
    layouts.advanced[advanced::kFireSlider] = skin::LayoutEntry{300, 100, 200, 20, ""};
    PaintInputs in = QuietInputs();
    in.page = SkinPage::AdvancedPage;
    in.hotAdvanced = advanced::kFireSlider;
    in.pressed = true;
    in.config.FIRE_TIME = 60;
    const Lines lines = Paint(in);
    EXPECT_EQ(lines[1], "copy down 300,100,40,20");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.find(" 300,100,") != std::string::npos; }),
              1);
    in.pressed = false;
    EXPECT_EQ(Paint(in)[1], "copy over 300,100,200,20");
}

TEST_F(PaintComposition, ColourPageShowsTheLedModeAndThePreviewState) {
    PaintInputs in = QuietInputs();
    in.page = SkinPage::ColorPage;
    in.config.LED_STATUS = 2;
    in.hotColor = color::kLedHint;
    auto overlays = [&](bool dark, int color) {
        in.previewDark = dark;
        in.previewColor = color;
        const Lines lines = Paint(in);
        return Lines(lines.begin() + 1, lines.end() - 3);  // without canvas and common elements
    };
    const std::string mode = CopyOf("down", color::kLedSteady);
    const std::string hover = CopyOf("over", color::kLedHint);
    EXPECT_EQ(overlays(true, 2), (Lines{hover, mode, CopyOf("gray", color::kLedPreview)}));
    EXPECT_EQ(overlays(false, 0), (Lines{hover, mode, CopyOf("blue", color::kLedPreview)}));
    EXPECT_EQ(overlays(false, 1), (Lines{hover, mode}));
    EXPECT_EQ(overlays(false, 2), (Lines{hover, mode, CopyOf("over", color::kLedPreview)}));
    EXPECT_EQ(overlays(false, 3), (Lines{hover, mode, CopyOf("down", color::kLedPreview)}));
    EXPECT_EQ(overlays(false, 9), (Lines{hover, mode}));
    in.config.LED_STATUS = 4;  // not an LED mode
    EXPECT_EQ(overlays(false, 1), (Lines{hover}));
}

TEST_F(PaintComposition, AdvancedPageTransferStaysInsideTheRepaintRegion) {
    Region region;
    region.rects.push_back(Rect{0, 0, 100, 100});
    PaintInputs in = QuietInputs();
    in.repaintRegion = &region;
    Paint(in);
    EXPECT_FALSE(drawing.calls().back().clipped);
    in.page = SkinPage::AdvancedPage;
    Paint(in);
    ASSERT_TRUE(drawing.calls().back().clipped);
    EXPECT_EQ(drawing.calls().back().clip.rects, region.rects);
    // Before the region is built the whole window is transferred.
    Region empty;
    in.repaintRegion = &empty;
    Paint(in);
    EXPECT_FALSE(drawing.calls().back().clipped);
}

}  // namespace
}  // namespace vx::ui
