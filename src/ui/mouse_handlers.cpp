#include "ui/mouse_handlers.h"

#include <mutex>

#include "skin/skin_elements.h"
#include "ui/config_edits.h"
#include "ui/hit_test.h"

namespace vx::ui {

namespace {

namespace main = skin::elements::main;
namespace advanced = skin::elements::advanced;

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
        case main::kTabAdvanced: actions.ShowAdvancedPage(); break;
        case main::kTabColor: actions.ShowColorPage(); break;
        default:
            if (main::kFunctionFields.Contains(ui.hotMain)) {
                actions.OpenFunctionMenu(ui.hotMain);
            } else {
                EditConfig(settings, [&](settings::MouseConfig& c) { EditOnMainPage(c, ui.hotMain); });
            }
            break;
    }
}

void DispatchAdvancedPageDown(const InterfaceState& ui, const skin::Layouts& layouts, settings::SettingsStore& settings,
                              ClickActions& actions, Point point) {
    if (ui.hotMain == main::kTabMain) return actions.ShowMainPage();
    if (ui.hotMain == main::kTabColor) return actions.ShowColorPage();
    if (ui.hotAdvanced == NoElement) {
        if (ui.hotMain == NoElement) actions.StartWindowMove(point);
        return;
    }
    switch (ui.hotAdvanced) {
        case advanced::kImportMacros: return actions.ImportMacros();
        case advanced::kExportMacros: return actions.ExportMacros();
        case advanced::kAddMacro: return actions.AddMacro();
        case advanced::kDeleteMacro: return actions.DeleteMacro();
        case advanced::kRecord: return actions.ToggleRecording();
        case advanced::kSetRepeat: return actions.CommitRepeatCount();
        case advanced::kLoop: return actions.ToggleRepeat();
        default: break;
    }
    EditConfig(settings,
               [&](settings::MouseConfig& c) { EditOnAdvancedPage(c, ui.hotAdvanced, layouts.advanced, point.x); });
}

void DispatchColorPageDown(const InterfaceState& ui, settings::SettingsStore& settings, ClickActions& actions,
                           Point point) {
    if (ui.hotMain == main::kTabMain) return actions.ShowMainPage();
    if (ui.hotMain == main::kTabAdvanced) return actions.ShowAdvancedPage();
    if (ui.hotColor == NoElement) {
        if (ui.hotMain == NoElement) actions.StartWindowMove(point);
        return;
    }
    EditConfig(settings, [&](settings::MouseConfig& c) { EditOnColorPage(c, ui.hotColor); });
}

// The common elements act on release, on every page.
void DispatchUp(InterfaceState& ui, ClickActions& actions, Point point) {
    const std::int32_t element = ui.hotMain;
    if (main::kProfiles.Contains(element)) return actions.SwitchConfig(main::kProfiles.IndexOf(element) + 1);
    switch (element) {
        case main::kSave: actions.SaveCurrentConfig(); break;
        case main::kCancel:
            ui.hotMain = NoElement;
            actions.RevertToApplied();
            break;
        case main::kApply: actions.ApplyConfiguration(); break;
        case main::kMinimize:
            ui.hotMain = NoElement;
            actions.Minimize(point);
            break;
        case main::kClose:
            ui.hotMain = NoElement;
            actions.HideToTray();
            break;
        case main::kImportConfig: actions.ImportConfig(); break;
        case main::kExportConfig: actions.ExportConfig(); break;
        case main::kResetAll: actions.ResetAllConfigs(); break;
        case main::kLangCn: actions.SwitchLanguage(settings::UiLanguage::Chinese); break;
        case main::kLangEn: actions.SwitchLanguage(settings::UiLanguage::English); break;
        case main::kWebsite: actions.OpenUserGuide(); break;
        default: break;
    }
}

}  // namespace

void OnMouseMove(const PointerContext& context, Point point) {
    InterfaceState& ui = context.ui;
    // The main table's page elements count only on the main page; its
    // common elements count everywhere.
    const int mainLast = ui.Page() == SkinPage::MainPage ? main::kPageElements.Last() : main::kCommon.Last();
    ui.hotMain = HitTest(context.layouts.main, mainLast, point);
    ui.hotColor = HitTest(context.layouts.color, skin::elements::color::kPointable.Last(), point);
    ui.hotAdvanced = HitTest(context.layouts.advanced, advanced::kPointable.Last(), point);
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
