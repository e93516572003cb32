#include <gtest/gtest.h>

#include "ui/paint_snapshot.h"

namespace vx::ui {
namespace {

TEST(PaintSnapshot, CopiesTheStateAPaintReads) {
    app::AppState state;
    state.ui.page = SkinPage::ColorPage;
    state.ui.hotMain = 4;
    state.ui.hotColor = 2;
    state.ui.hotAdvanced = 7;
    state.ui.pressed = true;
    state.CurrentConfigNumber = 5;
    state.EnglishFont = 11;
    state.ChineseFont = 22;
    state.config.FIRE_TIME = 77;
    state.SentDpiCodes = {1, 2, 3, 4};
    state.macros.user[1].name[0] = u'M';
    state.macros.user[1].repeatEnabled = 1;
    state.macros.selectedMacro = 1;
    state.RepaintRegion.rects.push_back(Rect{1, 2, 3, 4});

    state.UiLanguage = settings::UiLanguage::English;
    PaintInputs in = SnapshotPaintInputs(state);
    EXPECT_EQ(in.page, SkinPage::ColorPage);
    EXPECT_EQ(in.hotMain, 4);
    EXPECT_EQ(in.hotColor, 2);
    EXPECT_EQ(in.hotAdvanced, 7);
    EXPECT_TRUE(in.pressed);
    EXPECT_EQ(in.currentConfigNumber, 5);
    EXPECT_EQ(in.font, 11);
    EXPECT_EQ(in.config, state.config);
    EXPECT_EQ(in.sentDpiCodes, state.SentDpiCodes);
    EXPECT_EQ(in.userMacroNames[1], "M");
    EXPECT_TRUE(in.selectedMacroRepeats);
    EXPECT_EQ(in.repaintRegion, &state.RepaintRegion);

    state.UiLanguage = settings::UiLanguage::Chinese;
    EXPECT_EQ(SnapshotPaintInputs(state).font, 22);
}

}  // namespace
}  // namespace vx::ui
