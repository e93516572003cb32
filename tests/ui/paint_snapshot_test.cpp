#include <gtest/gtest.h>

#include "skin/skin_elements.h"
#include "ui/paint_snapshot.h"

namespace vx::ui {
namespace {

TEST(PaintSnapshot, CopiesTheStateAPaintReads) {
    settings::SettingsStore settings;
    device::DeviceSession session;
    macro::MacroStore macros;
    InterfaceState ui;
    WindowResources window;
    ui.page = SkinPage::ColorPage;
    ui.hotMain = skin::elements::main::kProfile1;
    ui.hotColor = skin::elements::color::kLedSteady;
    ui.hotAdvanced = skin::elements::advanced::kHoldMode;
    ui.pressed = true;
    settings.CurrentConfigNumber = 5;
    window.EnglishFont = 11;
    window.ChineseFont = 22;
    settings.config.FIRE_TIME = 77;
    session.applied.SentDpiCodes = {1, 2, 3, 4};
    macros.user[1].name[0] = u'M';
    macros.user[1].repeatEnabled = 1;
    macros.selectedMacro = 1;
    window.RepaintRegion.rects.push_back(Rect{1, 2, 3, 4});

    settings.UiLanguage = settings::UiLanguage::English;
    PaintInputs in = SnapshotPaintInputs(ui, settings, session.applied, macros, window);
    EXPECT_EQ(in.page, SkinPage::ColorPage);
    EXPECT_EQ(in.hotMain, skin::elements::main::kProfile1);
    EXPECT_EQ(in.hotColor, skin::elements::color::kLedSteady);
    EXPECT_EQ(in.hotAdvanced, skin::elements::advanced::kHoldMode);
    EXPECT_TRUE(in.pressed);
    EXPECT_EQ(in.currentConfigNumber, 5);
    EXPECT_EQ(in.font, 11);
    EXPECT_EQ(in.config, settings.config);
    EXPECT_EQ(in.sentDpiCodes, session.applied.SentDpiCodes);
    EXPECT_EQ(in.userMacroNames[1], "M");
    EXPECT_TRUE(in.selectedMacroRepeats);
    EXPECT_EQ(in.repaintRegion, &window.RepaintRegion);

    settings.UiLanguage = settings::UiLanguage::Chinese;
    EXPECT_EQ(SnapshotPaintInputs(ui, settings, session.applied, macros, window).font, 22);
}

}  // namespace
}  // namespace vx::ui
