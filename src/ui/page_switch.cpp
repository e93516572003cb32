#include "ui/page_switch.h"

namespace vx::ui {

namespace {

void InvalidateRepaintRegion(const PageSwitchContext& context) {
    if (context.repaintRegion.rects.empty()) {
        context.repainter.InvalidateAll();
    } else {
        context.repainter.InvalidateRegion(context.repaintRegion);
    }
}

// Returns the page that was shown.
SkinPage SetPage(const PageSwitchContext& context, SkinPage page) {
    return context.ui.page.exchange(page, std::memory_order_relaxed);
}

}  // namespace

void InvalidateShownPage(const PageSwitchContext& context) {
    if (context.ui.Page() == SkinPage::AdvancedPage) {
        InvalidateRepaintRegion(context);
    } else {
        context.repainter.InvalidateAll();
    }
}

void ShowMainPage(const PageSwitchContext& context) {
    if (SetPage(context, SkinPage::MainPage) == SkinPage::AdvancedPage) {
        context.effects.DestroyMacroEditorControls();
    }
    context.repainter.InvalidateAll();
}

void ShowAdvancedPage(const PageSwitchContext& context) {
    SetPage(context, SkinPage::AdvancedPage);
    InvalidateRepaintRegion(context);
    context.effects.CreateMacroEditorControls();
    context.repainter.UpdateNow();
    context.effects.RefreshMacroList();
    context.repainter.UpdateNow();
}

void ShowColorPage(const PageSwitchContext& context) {
    const SkinPage previous = SetPage(context, SkinPage::ColorPage);
    context.effects.StartLedPreviewUnlessRunning();
    if (previous == SkinPage::AdvancedPage) context.effects.DestroyMacroEditorControls();
    context.repainter.InvalidateAll();
}

}  // namespace vx::ui
