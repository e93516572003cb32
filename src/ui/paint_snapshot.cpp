#include "ui/paint_snapshot.h"

#include <mutex>

namespace vx::ui {

PaintInputs SnapshotPaintInputs(app::AppState& state) {
    PaintInputs in;
    in.page = state.ui.Page();
    in.hotMain = state.ui.hotMain;
    in.hotColor = state.ui.hotColor;
    in.hotAdvanced = state.ui.hotAdvanced;
    in.pressed = state.ui.pressed;
    in.currentConfigNumber = state.CurrentConfigNumber.load();
    in.language = state.UiLanguage;
    in.font = state.UiLanguage == settings::UiLanguage::English ? state.EnglishFont : state.ChineseFont;
    in.repaintRegion = &state.RepaintRegion;
    {
        std::lock_guard lock(state.ConfigLock);
        in.config = state.config;
        in.sentDpiCodes = state.SentDpiCodes;
        in.userMacroNames = UserMacroNames(state.macros);
        in.selectedMacroRepeats = SelectedMacroRepeats(state.macros);
    }
    return in;
}

}  // namespace vx::ui
