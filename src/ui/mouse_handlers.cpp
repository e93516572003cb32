#include "ui/mouse_handlers.h"

#include "ui/hit_test.h"

namespace vx::ui {

namespace {

void RepaintShownPageNow(const PointerContext& context) {
    if (context.ui.Page() == SkinPage::AdvancedPage && !context.repaintRegion.rects.empty()) {
        context.repainter.InvalidateRegion(context.repaintRegion);
    } else {
        context.repainter.InvalidateAll();
    }
    context.repainter.UpdateNow();
}

void RepaintIfChanged(const PointerContext& context, std::int32_t now, std::int32_t& last) {
    if (now == last) return;
    RepaintShownPageNow(context);
    last = now;
}

void DispatchMainPageDown(InterfaceState& ui, ClickActions& actions) {
    if (ui.menuOpen) {
        actions.CloseFunctionMenu();
        ui.menuOpen = false;
    }
    switch (ui.hotMain) {
        case 10: actions.ShowAdvancedPage(); break;
        case 11: actions.ShowColorPage(); break;
        default: break;
    }
}

void DispatchAdvancedPageDown(const InterfaceState& ui, ClickActions& actions) {
    switch (ui.hotMain) {
        case 9: actions.ShowMainPage(); break;
        case 11: actions.ShowColorPage(); break;
        default: break;
    }
}

void DispatchColorPageDown(const InterfaceState& ui, ClickActions& actions) {
    switch (ui.hotMain) {
        case 9: actions.ShowMainPage(); break;
        case 10: actions.ShowAdvancedPage(); break;
        default: break;
    }
}

}  // namespace

void OnMouseMove(const PointerContext& context, Point point) {
    InterfaceState& ui = context.ui;
    const int mainLast = ui.Page() == SkinPage::MainPage ? kMainPageLastElement : kCommonLastElement;
    ui.hotMain = HitTest(context.layouts.main, mainLast, point);
    ui.hotColor = HitTest(context.layouts.color, kColorLastElement, point);
    ui.hotAdvanced = HitTest(context.layouts.advanced, kAdvancedLastElement, point);
    RepaintIfChanged(context, ui.hotMain, ui.lastHotMain);
    RepaintIfChanged(context, ui.hotColor, ui.lastHotColor);
    RepaintIfChanged(context, ui.hotAdvanced, ui.lastHotAdvanced);
}

void OnLeftButtonDown(const PointerContext& context, ClickActions& actions, Point /*point*/) {
    InterfaceState& ui = context.ui;
    if (ui.hotMain != NoElement || ui.hotColor != NoElement || ui.hotAdvanced != NoElement) {
        ui.pressed = true;
        context.repainter.InvalidateAll();
    }
    switch (ui.Page()) {
        case SkinPage::MainPage: DispatchMainPageDown(ui, actions); break;
        case SkinPage::AdvancedPage: DispatchAdvancedPageDown(ui, actions); break;
        case SkinPage::ColorPage: DispatchColorPageDown(ui, actions); break;
    }
}

void OnLeftButtonUp(const PointerContext& context, ClickActions& /*actions*/, Point /*point*/) {
    context.ui.pressed = false;
    context.repainter.InvalidateAll();
}

}  // namespace vx::ui
