#include <gtest/gtest.h>

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

// The fake measures 7 pixels per character and 14 pixels high.
class PaintText : public ::testing::Test {
protected:
    PaintText() { AddWholeSkin(decoder); }
    Lines Texts(const PaintInputs& in) {
        drawing.Clear();
        PaintMainWindow(drawing, images, layouts, in);
        Lines lines;
        for (const std::string& line : drawing.Lines()) {
            if (line.rfind("text ", 0) == 0) lines.push_back(line);
        }
        return lines;
    }

    platform::testing::FakeImageDecoder decoder;
    SkinImages images{decoder, kTestSkinDir};
    platform::testing::FakeDrawing drawing;
    skin::Layouts layouts;
};

TEST_F(PaintText, CaptionsAreCentredWithTruncatingDivision) {
    layouts.main[main::kApply] = skin::LayoutEntry{10, 20, 30, 41, "Apply"};  // 35 x 14 in 30 x 41
    layouts.main[main::kProfile1] = skin::LayoutEntry{100, 0, 50, 20, "OK"};  // 14 x 14 in 50 x 20
    EXPECT_EQ(Texts(QuietInputs()), (Lines{"text 255,255,255 8,33 Apply", "text 255,255,255 118,3 OK"}));
}

TEST_F(PaintText, MainPageDrawsItsCaptionsExceptTheFunctionFields) {
    const int last = main::kCaptioned.Last();
    const int function = main::kFunctionFields.first;
    for (int k : {main::kWebsite, main::kButtonsHeading, function - 1, function, main::kWheelField, last, last + 1,
                  main::kDpiColour3}) {
        layouts.main[static_cast<std::size_t>(k)] = skin::LayoutEntry{0, 0, 0, 0, "c" + std::to_string(k)};
    }
    const Lines lines = Texts(QuietInputs());
    Lines texts;
    for (const std::string& line : lines) texts.push_back(line.substr(line.rfind(' ') + 1));
    const auto caption = [](int k) { return "c" + std::to_string(k); };
    EXPECT_EQ(texts, (Lines{caption(main::kWebsite), caption(main::kButtonsHeading), caption(function - 1),
                            caption(main::kWheelField), caption(last)}));
}

TEST_F(PaintText, FunctionFieldsShowNamesOrUserMacrosLeftAligned) {
    for (int i = 0; i < main::kFunctionFields.count; ++i) {
        layouts.main[static_cast<std::size_t>(main::kFunctionFields.At(i))] =
            skin::LayoutEntry{100 * i, 10, 90, 30, "unused"};
    }
    layouts.functionNames[1] = "Left Click";
    layouts.functionNames[14] = "OFF";
    PaintInputs in = QuietInputs();
    in.userMacroNames[3] = "Combo";
    in.hotMain = main::kFunction2;
    in.config.K0 = 1;
    in.config.K1 = 44;  // user macro 3
    in.config.K2 = 0;   // slot 0 is empty
    in.config.K3 = 53;  // past the twelve user macros
    in.config.K4 = -3;
    in.config.K5 = 14;
    EXPECT_EQ(Texts(in),
              (Lines{"text 255,255,255 5,18 Left Click", "text 255,0,0 105,18 Combo", "text 255,255,255 505,18 OFF"}));
}

TEST_F(PaintText, AdvancedPageReplacesItsLiveCaptionsAndKeepsThem) {
    for (int j = 0; j < advanced::kCount; ++j) {
        layouts.advanced[static_cast<std::size_t>(j)] = skin::LayoutEntry{0, 0, 0, 0, "a" + std::to_string(j)};
    }
    PaintInputs in = QuietInputs();
    in.page = SkinPage::AdvancedPage;
    in.config.FIRE_TIME = 50;
    in.pressCount = 3;
    in.releaseCount = 12;
    const Lines lines = Texts(in);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(advanced::kCount));
    auto textOf = [&](int j) { return lines[static_cast<std::size_t>(j)]; };
    auto captionOf = [&](int j) { return textOf(j).substr(textOf(j).rfind(' ') + 1); };
    const std::string white = "text 255,255,255", black = "text 0,0,0";
    EXPECT_EQ(captionOf(advanced::kRecord), "Record");
    EXPECT_EQ(textOf(advanced::kFireMinus).substr(0, 16), white);
    EXPECT_EQ(textOf(advanced::kFireValue).substr(0, 10), black);
    EXPECT_EQ(captionOf(advanced::kFireValue), "50ms");
    EXPECT_EQ(captionOf(advanced::kPressCount), "[↓]3");
    EXPECT_EQ(captionOf(advanced::kReleaseCount), "[↑]12");
    for (int j = advanced::kDarkCaptions.first; j <= advanced::kDarkCaptions.Last(); ++j) {
        EXPECT_EQ(textOf(j).substr(0, 10), black) << j;
    }
    EXPECT_EQ(textOf(advanced::kDarkCaptions.Last() + 1).substr(0, 16), white);
    EXPECT_EQ(captionOf(advanced::kScrollFast), "a" + std::to_string(advanced::kScrollFast));
    // The replacements stay in the table until the layout is loaded again.
    EXPECT_EQ(layouts.advanced[advanced::kFireValue].caption, "50ms");
    EXPECT_EQ(layouts.advanced[advanced::kRecord].caption, "Record");
}

TEST_F(PaintText, RecordCaptionFollowsRecordingAndLanguage) {
    PaintInputs in = QuietInputs();
    in.page = SkinPage::AdvancedPage;
    const std::pair<settings::UiLanguage, bool> cases[] = {{settings::UiLanguage::English, false},
                                                           {settings::UiLanguage::English, true},
                                                           {settings::UiLanguage::Chinese, false},
                                                           {settings::UiLanguage::Chinese, true}};
    const char* expected[] = {"Record", "Stop", "录制", "停止"};
    for (std::size_t i = 0; i < 4; ++i) {
        in.language = cases[i].first;
        in.recording = cases[i].second;
        Texts(in);
        EXPECT_EQ(layouts.advanced[advanced::kRecord].caption, expected[i]);
    }
}

TEST_F(PaintText, ColourPageShowsTheDpiSentForTheActiveLevel) {
    layouts.color[color::kDpiValue] = skin::LayoutEntry{0, 0, 70, 14, "ignored"};
    layouts.color[color::kPreviewHint] = skin::LayoutEntry{0, 0, 0, 0, "LED"};
    PaintInputs in = QuietInputs();
    in.page = SkinPage::ColorPage;
    in.sentDpiCodes = {1, 4, 13, 0};
    in.config.DPI_LEVEL = 2;
    EXPECT_EQ(Texts(in), (Lines{"text 255,255,255 21,0 3200", "text 255,255,255 -10,-7 LED"}));
    in.config.DPI_LEVEL = 0;
    EXPECT_EQ(Texts(in)[0], "text 255,255,255 24,0 200");
    in.config.DPI_LEVEL = 3;  // never sent
    EXPECT_EQ(Texts(in)[0], "text 255,255,255 24,0 200");
    in.config.DPI_LEVEL = 4;  // no such level: no readout
    EXPECT_EQ(Texts(in), (Lines{"text 255,255,255 -10,-7 LED"}));
}

TEST_F(PaintText, DeviceCodesMapToTheirDpi) {
    const std::pair<int, int> table[] = {{2, 400},  {3, 600},   {4, 800},   {5, 1000},  {6, 1200},  {7, 1600},
                                         {9, 2000}, {11, 2400}, {13, 3200}, {14, 4000}, {15, 4800}, {0, 200},
                                         {1, 200},  {8, 200},   {12, 200},  {16, 200},  {255, 200}};
    for (auto [code, dpi] : table) EXPECT_EQ(DpiOfDeviceCode(static_cast<std::uint8_t>(code)), dpi) << code;
}

TEST_F(PaintText, EmptyTextsAreNeitherMeasuredNorDrawn) {
    Texts(QuietInputs());
    EXPECT_TRUE(drawing.CallsOf(platform::testing::DrawCall::Kind::MeasureText).empty());
    EXPECT_TRUE(drawing.CallsOf(platform::testing::DrawCall::Kind::DrawText).empty());
    // The language's font is still selected.
    ASSERT_EQ(drawing.CallsOf(platform::testing::DrawCall::Kind::SelectFont).size(), 1u);
    EXPECT_EQ(drawing.CallsOf(platform::testing::DrawCall::Kind::SelectFont)[0].font, 7);
}

TEST(MacroNamesForPainting, NamesEndAtTheirTerminatorOrAfterTwentyUnits) {
    macro::MacroStore store;
    const std::u16string short_name = u"复制 A";
    std::copy(short_name.begin(), short_name.end(), store.user[0].name.begin());
    store.user[1].name.fill(u'x');
    const auto names = UserMacroNames(store);
    EXPECT_EQ(names[0], "复制 A");
    EXPECT_EQ(names[1], std::string(20, 'x'));
    EXPECT_EQ(names[2], "");
}

TEST(MacroNamesForPainting, OnlyASelectedMacroWithRepeatOnRepeats) {
    macro::MacroStore store;
    store.user[2].repeatEnabled = 1;
    store.selectedMacro = 2;
    EXPECT_TRUE(SelectedMacroRepeats(store));
    store.user[2].repeatEnabled = 2;
    EXPECT_FALSE(SelectedMacroRepeats(store));
    for (int selected : {-1, 12, 400}) {
        store.selectedMacro = selected;
        EXPECT_FALSE(SelectedMacroRepeats(store));
    }
}

}  // namespace
}  // namespace vx::ui
