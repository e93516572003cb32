#include "ui/mouse_handlers.h"

#include <mutex>

#include "ui/config_edits.h"
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

template <typename Edit>
void EditConfig(settings::SettingsStore& settings, Edit edit) {
    std::lock_guard lock(settings.ConfigLock);
    edit(settings.config);
}

void DispatchMainPageDown(InterfaceState& ui, settings::SettingsStore& settings, ClickActions& actions, Point point) {
    if (ui.menuOpen) {
        actions.CloseFunctionMenu();
        ui.menuOpen = false;
    }
    switch (ui.hotMain) {
        case NoElement: actions.StartWindowMove(point); break;
        case 10: actions.ShowAdvancedPage(); break;
        case 11: actions.ShowColorPage(); break;
        case 25:
        case 26:
        case 27:
        case 28:
        case 29:
        case 30: actions.OpenFunctionMenu(ui.hotMain); break;
        default: EditConfig(settings, [&](settings::MouseConfig& c) { EditOnMainPage(c, ui.hotMain); }); break;
    }
}

void DispatchAdvancedPageDown(const InterfaceState& ui, const skin::Layouts& layouts, settings::SettingsStore& settings,
                              ClickActions& actions, Point point) {
    if (ui.hotMain == 9) return actions.ShowMainPage();
    if (ui.hotMain == 11) return actions.ShowColorPage();
    if (ui.hotAdvanced == NoElement) {
        if (ui.hotMain == NoElement) actions.StartWindowMove(point);
        return;
    }
    switch (ui.hotAdvanced) {
        case 0: return actions.ImportMacros();
        case 1: return actions.ExportMacros();
        case 2: return actions.AddMacro();
        case 3: return actions.DeleteMacro();
        case 4: return actions.ToggleRecording();
        case 5: return actions.CommitRepeatCount();
        case 6: return actions.ToggleRepeat();
        default: break;
    }
    EditConfig(settings,
               [&](settings::MouseConfig& c) { EditOnAdvancedPage(c, ui.hotAdvanced, layouts.advanced, point.x); });
}

void DispatchColorPageDown(const InterfaceState& ui, settings::SettingsStore& settings, ClickActions& actions,
                           Point point) {
    if (ui.hotMain == 9) return actions.ShowMainPage();
    if (ui.hotMain == 10) return actions.ShowAdvancedPage();
    if (ui.hotColor == NoElement) {
        if (ui.hotMain == NoElement) actions.StartWindowMove(point);
        return;
    }
    EditConfig(settings, [&](settings::MouseConfig& c) { EditOnColorPage(c, ui.hotColor); });
}

// The common elements 0..19 act on release, on every page.
void DispatchUp(InterfaceState& ui, ClickActions& actions, Point point) {
    const std::int32_t element = ui.hotMain;
    switch (element) {
        case 0: actions.SaveCurrentConfig(); break;
        case 2:
            ui.hotMain = NoElement;
            actions.RevertToApplied();
            break;
        case 3: actions.ApplyConfiguration(); break;
        case 4:
        case 5:
        case 6:
        case 7:
        case 8: actions.SwitchConfig(element - 3); break;
        case 12:
            ui.hotMain = NoElement;
            actions.Minimize(point);
            break;
        case 13:
            ui.hotMain = NoElement;
            actions.HideToTray();
            break;
        case 14: actions.ImportConfig(); break;
        case 15: actions.ExportConfig(); break;
        case 16: actions.ResetAllConfigs(); break;
        case 17: actions.SwitchLanguage(settings::UiLanguage::Chinese); break;
        case 18: actions.SwitchLanguage(settings::UiLanguage::English); break;
        case 19: actions.OpenUserGuide(); break;
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

void OnLeftButtonDown(const PointerContext& context, settings::SettingsStore& settings, ClickActions& actions,
                      Point point) {
    InterfaceState& ui = context.ui;
    if (ui.hotMain != NoElement || ui.hotColor != NoElement || ui.hotAdvanced != NoElement) {
        ui.pressed = true;
        context.repainter.InvalidateAll();
    }
    switch (ui.Page()) {
        case SkinPage::MainPage: DispatchMainPageDown(ui, settings, actions, point); break;
        case SkinPage::AdvancedPage: DispatchAdvancedPageDown(ui, context.layouts, settings, actions, point); break;
        case SkinPage::ColorPage: DispatchColorPageDown(ui, settings, actions, point); break;
    }
}

void OnLeftButtonUp(const PointerContext& context, ClickActions& actions, Point point) {
    context.ui.pressed = false;
    context.repainter.InvalidateAll();
    DispatchUp(context.ui, actions, point);
}

}  // namespace vx::ui
