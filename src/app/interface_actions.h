#pragma once
// What clicks on the skinned window start in the other subsystems:
// configurations, language, the tray, the window itself, the user guide.
#include "app/app_state.h"
#include "app/subsystems.h"
#include "ui/macro_editor.h"
#include "platform/platform.h"
#include "ui/function_menus.h"
#include "ui/mouse_handlers.h"
#include "ui/page_switch.h"
#include "ui/repainter.h"

namespace vx::app {

inline constexpr const char* kUserGuidePath = "\\help\\index.html";

// Chinese or English everywhere at once: VER_SEL, the layouts, the user
// macros and menus of the language, the title. Choosing the language shown
// reloads all the same. Ends early when a layout file is missing (the
// program is then ending).
void SwitchLanguage(AppState& state, platform::Platform& platform, Subsystems& subsystems,
                    const ui::PageSwitchContext& pages, settings::UiLanguage language);

// Configurations 1..5 and the user macros of the language back to the
// factory's, then applied.
void ResetAllConfigs(AppState& state, platform::Platform& platform, Subsystems& subsystems,
                     const ui::PageSwitchContext& pages);

// The macro editor over the program's state and the window's controls.
ui::EditorContext EditorContextOf(AppState& state, platform::MainWindow& window);

class InterfaceActions : public ui::ClickActions {
public:
    InterfaceActions(AppState& state, platform::Platform& platform, Subsystems& subsystems,
                     const ui::PageSwitchContext& pages, ui::FunctionMenus& menus)
        : state_(state), platform_(platform), subsystems_(subsystems), pages_(pages), menus_(menus) {}

    void ShowMainPage() override { ui::ShowMainPage(pages_); }
    void ShowAdvancedPage() override { ui::ShowAdvancedPage(pages_); }
    void ShowColorPage() override { ui::ShowColorPage(pages_); }
    void CloseFunctionMenu() override { menus_.Close(); }
    void OpenFunctionMenu(std::int32_t element) override { menus_.Open(element); }
    void StartWindowMove(Point clickPoint) override { platform_.window.BeginDrag(clickPoint); }
    void SaveCurrentConfig() override;
    void RevertToApplied() override;
    void ApplyConfiguration() override { subsystems_.ApplyConfiguration(); }
    void SwitchConfig(int number) override;
    void Minimize(Point clickPoint) override;
    void HideToTray() override;
    void ImportConfig() override;
    void ExportConfig() override;
    void ResetAllConfigs() override { app::ResetAllConfigs(state_, platform_, subsystems_, pages_); }
    void SwitchLanguage(settings::UiLanguage language) override {
        app::SwitchLanguage(state_, platform_, subsystems_, pages_, language);
    }
    void OpenUserGuide() override;
    void ImportMacros() override;
    void ExportMacros() override;
    void AddMacro() override { ui::AddMacro(Editor()); }
    void DeleteMacro() override { ui::DeleteMacro(Editor()); }
    void ToggleRecording() override;
    void CommitRepeatCount() override { ui::CommitRepeatCount(Editor(), platform_.profiles); }
    void ToggleRepeat() override { ui::ToggleRepeat(Editor(), platform_.window); }

private:
    ui::EditorContext Editor();

    AppState& state_;
    platform::Platform& platform_;
    Subsystems& subsystems_;
    ui::PageSwitchContext pages_;
    ui::FunctionMenus& menus_;
};

}  // namespace vx::app
