#include "ui/config_edits.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "skin/skin_elements.h"

namespace vx::ui {
namespace {

namespace main = skin::elements::main;
namespace advanced = skin::elements::advanced;
namespace color = skin::elements::color;

settings::MouseConfig Levels(std::array<bool, 4> enabled, int active) {
    settings::MouseConfig config;
    for (int j = 0; j < 4; ++j) config.DpiEnabled(j) = enabled[static_cast<std::size_t>(j)];
    config.DPI_LEVEL = active;
    return config;
}

TEST(ConfigEdits, TogglingALevelKeepsOneLevelEnabledAndActive) {
    struct Case {
        std::array<bool, 4> enabled;
        int active;
        int toggled;
        std::array<bool, 4> enabledAfter;
        int activeAfter;
    };
    const Case cases[] = {
        {{true, false, true, false}, 2, 2, {true, false, false, false}, 0},   // wraps from 3 to 0
        {{false, true, false, false}, 1, 1, {false, true, false, false}, 1},  // the only level stays
        {{true, true, true, true}, 0, 3, {true, true, true, false}, 0},       // not the active one
        {{true, false, false, false}, 0, 2, {true, false, true, false}, 0},   // enabling never moves it
        {{true, true, false, true}, 1, 1, {true, false, false, true}, 3},     // the next enabled level
    };
    for (const Case& c : cases) {
        settings::MouseConfig config = Levels(c.enabled, c.active);
        ToggleDpiLevelEnabled(config, c.toggled);
        EXPECT_EQ(config, Levels(c.enabledAfter, c.activeAfter)) << "toggled " << c.toggled;
    }
}

TEST(ConfigEdits, MainPageElements) {
    settings::MouseConfig config = Levels({true, false, true, true}, 0);
    EXPECT_TRUE(EditOnMainPage(config, main::kDpiSelect2));  // level 1 is disabled: stays on 0
    EXPECT_EQ(config.DPI_LEVEL, 0);
    EXPECT_TRUE(EditOnMainPage(config, main::kDpiSelect4));
    EXPECT_EQ(config.DPI_LEVEL, 3);
    EXPECT_TRUE(EditOnMainPage(config, main::kDpi3_4800));  // row 2, step 11
    EXPECT_EQ(config.DPI_SET2, 11);
    EXPECT_TRUE(EditOnMainPage(config, main::kDpi1_200));
    EXPECT_EQ(config.DPI_SET0, 0);
    EXPECT_TRUE(EditOnMainPage(config, main::kDpi4_4800));
    EXPECT_EQ(config.DPI_SET3, 11);
    for (int element : {main::kButtonsHeading, main::kFunction1, main::kFunction6, main::kWheelHint, main::kDpiLabel1,
                        main::kDpiColour1, main::kDpiEnd4, main::kDpiScale}) {
        const settings::MouseConfig before = config;
        EXPECT_FALSE(EditOnMainPage(config, element)) << element;
        EXPECT_EQ(config, before);
    }
}

TEST(ConfigEdits, RapidFireStaysWithin0To300) {
    skin::AdvancedLayout layout;
    layout[advanced::kFireSlider] = skin::LayoutEntry{100, 50, 150, 10, ""};
    settings::MouseConfig config;
    const std::pair<int, int> slider[] = {{100, 0}, {101, 2}, {175, 150}, {249, 298}, {250, 298}, {90, 0}};
    for (const auto& [x, expected] : slider) {
        EXPECT_TRUE(EditOnAdvancedPage(config, advanced::kFireSlider, layout, x));
        EXPECT_EQ(config.FIRE_TIME, expected) << "x " << x;
    }
    constexpr int kPlus = advanced::kFirePlus, kMinus = advanced::kFireMinus;
    const std::array<std::array<int, 3>, 6> steps{{{0, kMinus, 0},
                                                   {300, kPlus, 300},
                                                   {299, kPlus, 300},
                                                   {1000, kPlus, 300},
                                                   {INT_MAX, kPlus, 300},
                                                   {INT_MIN, kMinus, 0}}};
    for (const auto& [from, element, to] : steps) {
        config.FIRE_TIME = from;
        EditOnAdvancedPage(config, element, layout, 0);
        EXPECT_EQ(config.FIRE_TIME, to) << from << " element " << element;
    }
    layout[advanced::kFireSlider].width = 0;  // a broken layout file changes nothing
    config.FIRE_TIME = 77;
    EditOnAdvancedPage(config, advanced::kFireSlider, layout, 100);
    EXPECT_EQ(config.FIRE_TIME, 77);
}

TEST(ConfigEdits, AdvancedAndColorPageElements) {
    skin::AdvancedLayout layout;
    settings::MouseConfig config;
    EditOnAdvancedPage(config, advanced::kHoldMode, layout, 0);
    EXPECT_EQ(config.MACRO_MODE2, 1);
    config.MACRO_MODE2 = 5;
    EditOnAdvancedPage(config, advanced::kHoldMode, layout, 0);
    EXPECT_EQ(config.MACRO_MODE2, 0);
    EditOnAdvancedPage(config, advanced::kPointerSpeed_10, layout, 0);
    EXPECT_EQ(config.DPI_SPEED, 9);
    EditOnAdvancedPage(config, advanced::kScrollSpeed_1, layout, 0);
    EXPECT_EQ(config.WHEEL_SPEED, 0);
    EXPECT_FALSE(EditOnAdvancedPage(config, advanced::kFireMin, layout, 0));
    EXPECT_FALSE(EditOnAdvancedPage(config, advanced::kRecord, layout, 0));
    EXPECT_TRUE(EditOnColorPage(config, color::kLedOff));
    EXPECT_EQ(config.LED_STATUS, 3);
    EXPECT_FALSE(EditOnColorPage(config, color::kLedHint));
    EXPECT_EQ(config.LED_STATUS, 3);
}

}  // namespace
}  // namespace vx::ui
