#include "ui/paint_snapshot.h"

#include <mutex>

namespace vx::ui {

PaintInputs SnapshotPaintInputs(const InterfaceState& ui, settings::SettingsStore& settings,
                                const device::ApplyResults& applied, const macro::MacroStore& macros,
                                const WindowResources& window) {
    PaintInputs in;
    in.page = ui.Page();
    in.hotMain = ui.hotMain;
    in.hotColor = ui.hotColor;
    in.hotAdvanced = ui.hotAdvanced;
    in.pressed = ui.pressed;
    in.currentConfigNumber = settings.CurrentConfigNumber.load();
    in.language = settings.UiLanguage;
    in.font = window.FontFor(settings.UiLanguage);
    in.repaintRegion = &window.RepaintRegion;
    in.previewColor = ui.previewColor.load(std::memory_order_relaxed);
    in.previewDark = ui.previewDark.load(std::memory_order_relaxed);
    {
        std::lock_guard lock(settings.ConfigLock);
        in.config = settings.config;
        in.sentDpiCodes = applied.SentDpiCodes;
        in.userMacroNames = UserMacroNames(macros);
        in.selectedMacroRepeats = SelectedMacroRepeats(macros);
    }
    return in;
}

}  // namespace vx::ui
