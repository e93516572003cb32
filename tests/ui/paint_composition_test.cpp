#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "paint_test_support.h"

namespace vx::ui {
namespace {

using namespace test_support;
using Lines = std::vector<std::string>;

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
    in.hotMain = 27;
    in.currentConfigNumber = 2;
    in.config.DPI_LEVEL = 1;
    in.config.DPI_SET0 = 0;
    in.config.DPI_SET1 = 2;
    in.config.DPI_SET_EN0 = true;
    in.config.WHEEL_STATUS = 1;
    EXPECT_EQ(Paint(in), (Lines{
                             "canvas normal 0,0,1300,130",
                             "copy over 270,100,10,20",      // hovered function field
                             "copy down 550,100,10,20",      // selector of level 1
                             "fill 0,0,255 661,101,8,19",    // level 0: step 0 only
                             "copy down 460,100,10,20",      // level 0 enabled
                             "fill 255,0,255 781,101,8,19",  // level 1: steps 0..2
                             "fill 255,0,255 791,101,8,19", "fill 255,0,255 801,101,8,19",
                             "copy down 420,100,10,20",   // wheel mode 1
                             "copy over 1170,100,10,20",  // companion of field 27
                             "copy down 50,100,10,20",    // configuration 2
                             "copy down 90,100,10,20",    // the page's tab
                             "copy down 180,100,10,20",   // English
                         }));
}

TEST_F(PaintComposition, PaintEndsWithTextsThenOneTransfer) {
    layouts.main[0].caption = "Save";
    Paint(QuietInputs());
    const Lines all = drawing.Lines();
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[all.size() - 3], "font 7");
    EXPECT_EQ(all[all.size() - 2].rfind("text ", 0), 0u);
    EXPECT_EQ(all.back(), "present");
}

TEST_F(PaintComposition, HoveredElementShowsPressedWhileTheButtonIsHeld) {
    PaintInputs in = QuietInputs();
    in.hotMain = 41;
    in.pressed = true;
    EXPECT_EQ(Paint(in)[1], "copy down 410,100,10,20");
    in.pressed = false;
    EXPECT_EQ(Paint(in)[1], "copy over 410,100,10,20");
    // The companion lights up from the over picture either way.
    in.hotMain = 31;
    in.pressed = true;
    const Lines lines = Paint(in);
    EXPECT_EQ(lines[1], "copy down 310,100,10,20");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "copy over 1210,100,10,20"), lines.end());
}

TEST_F(PaintComposition, CommonElementsTakeTheFirstMatchingRule) {
    PaintInputs in = QuietInputs();
    in.currentConfigNumber = 3;
    in.hotMain = 6;  // the current configuration's element: down, never over
    in.language = settings::UiLanguage::Chinese;
    EXPECT_EQ(Paint(in), (Lines{"canvas normal 0,0,1300,130", "copy over 60,100,10,20",
                                "copy down 410,100,10,20",  // wheel mode 0
                                "copy down 60,100,10,20", "copy down 90,100,10,20", "copy down 170,100,10,20"}));
    in.hotMain = 12;
    in.pressed = true;
    const Lines pressed = Paint(in);
    EXPECT_EQ(std::count(pressed.begin(), pressed.end(), "copy down 120,100,10,20"), 2);  // hover and rule 2
}

TEST_F(PaintComposition, EveryPageShowsTheCurrentConfigurationAndItsOwnTab) {
    PaintInputs in = QuietInputs();
    in.currentConfigNumber = 3;
    for (auto [page, tab] : {std::pair{SkinPage::MainPage, "90"}, std::pair{SkinPage::AdvancedPage, "100"},
                             std::pair{SkinPage::ColorPage, "110"}}) {
        in.page = page;
        const Lines lines = Paint(in);
        const Lines tail(lines.end() - 3, lines.end());
        EXPECT_EQ(tail, (Lines{"copy down 60,100,10,20", std::string("copy down ") + tab + ",100,10,20",
                               "copy down 180,100,10,20"}));
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
    EXPECT_NE(std::find(lines.begin(), lines.end(), "fill 255,0,0 1011,101,8,19"), lines.end());    // cell 101
    EXPECT_NE(std::find(lines.begin(), lines.end(), "fill 128,0,255 1021,101,8,19"), lines.end());  // cell 102
}

TEST_F(PaintComposition, ValuesOutsideTheTablesDrawNothing) {
    PaintInputs in = QuietInputs();
    in.config.DPI_SET3 = 12;  // would run into the companions 114..
    in.config.DPI_LEVEL = 70;
    in.config.WHEEL_STATUS = 0;
    EXPECT_EQ(Paint(in), (Lines{"canvas normal 0,0,1300,130", "copy down 410,100,10,20", "copy down 40,100,10,20",
                                "copy down 90,100,10,20", "copy down 180,100,10,20"}));
}

TEST_F(PaintComposition, DisabledLevelKeepsItsBarButNotItsEnableBox) {
    PaintInputs in = QuietInputs();
    in.config.DPI_SET1 = 0;
    in.config.DPI_SET_EN1 = false;
    const Lines lines = Paint(in);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "fill 255,0,255 781,101,8,19"), lines.end());
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "copy down 470,100,10,20"), lines.end());
}

TEST_F(PaintComposition, AdvancedPageInItsOrder) {
    layouts.advanced[30] = skin::LayoutEntry{300, 100, 200, 20, ""};
    PaintInputs in = QuietInputs();
    in.page = SkinPage::AdvancedPage;
    in.recording = true;
    in.config.DPI_SPEED = 3;
    in.config.WHEEL_SPEED = 9;
    in.config.FIRE_TIME = 150;
    in.config.MACRO_MODE2 = 1;
    in.selectedMacroRepeats = true;
    in.hotAdvanced = 2;
    in.hotMain = 5;  // the main table's hover is not this page's hovered element
    EXPECT_EQ(Paint(in), (Lines{
                             "canvas normal 0,0,1300,130",
                             "copy over 20,100,10,20",
                             "copy down 40,100,10,20",    // recording
                             "copy down 110,100,10,20",   // pointer speed 3
                             "copy down 270,100,10,20",   // wheel speed 9
                             "copy down 300,100,100,20",  // rapid fire 150 of 300
                             "copy down 70,100,10,20",    // macro mode
                             "copy down 60,100,10,20",    // repeat of the selected macro
                             "copy down 40,100,10,20",    // configuration 1
                             "copy over 50,100,10,20",    // common element 5 under the pointer
                             "copy down 100,100,10,20",
                             "copy down 180,100,10,20",
                         }));
}

TEST_F(PaintComposition, RapidFireBarCoversTheSliderProportionally) {
    layouts.advanced[30] = skin::LayoutEntry{300, 100, 200, 20, ""};
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
    layouts.advanced[30] = skin::LayoutEntry{300, 100, 200, 20, ""};
    PaintInputs in = QuietInputs();
    in.page = SkinPage::AdvancedPage;
    in.hotAdvanced = 30;
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
    in.hotColor = 4;
    auto overlays = [&](bool dark, int color) {
        in.previewDark = dark;
        in.previewColor = color;
        const Lines lines = Paint(in);
        return Lines(lines.begin() + 1, lines.end() - 3);  // without canvas and common elements
    };
    const std::string mode = "copy down 20,100,10,20";
    const std::string hover = "copy over 40,100,10,20";
    EXPECT_EQ(overlays(true, 2), (Lines{hover, mode, "copy gray 110,100,10,20"}));
    EXPECT_EQ(overlays(false, 0), (Lines{hover, mode, "copy blue 110,100,10,20"}));
    EXPECT_EQ(overlays(false, 1), (Lines{hover, mode}));
    EXPECT_EQ(overlays(false, 2), (Lines{hover, mode, "copy over 110,100,10,20"}));
    EXPECT_EQ(overlays(false, 3), (Lines{hover, mode, "copy down 110,100,10,20"}));
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
