#include "app/interface_actions.h"

#include "app/main_window.h"
#include "app/startup.h"
#include "app/window_lifecycle.h"
#include "macro/macro_files.h"
#include "ui/macro_recorder.h"
#include "settings/config_section.h"
#include "settings/ini_value.h"
#include "settings/profiles.h"

namespace vx::app {

void SwitchLanguage(AppState& state, platform::Platform& platform, Subsystems& subsystems,
                    const ui::PageSwitchContext& pages, settings::UiLanguage language) {
    ui::EndRecordingIfRunning(EditorContextOf(state, platform.window), platform.window);
    settings::SettingsStore& settings = state.settings;
    settings.UiLanguage = language;
    platform.profiles.WriteString(settings.ConfigPath, settings::kInitSection, settings::kLanguageKey,
                                  settings::FormatIniInt(static_cast<int>(language)));

    subsystems.LoadMainLayout();
    if (state.shutdownStarted) return;
    subsystems.LoadColorLayout();
    if (state.shutdownStarted) return;
    subsystems.LoadAdvancedLayout();
    if (state.shutdownStarted) return;
    subsystems.LoadWarningLayout();
    if (state.shutdownStarted) return;

    // Macros of the language left behind are not saved first.
    state.macros.userMacroFile = macro::UserMacroFilePath(settings.ProgramDir, language);
    subsystems.LoadUserMacros(state.macros.userMacroFile);
    if (state.ui.Page() == ui::SkinPage::AdvancedPage) {
        pages.effects.RefreshMacroList();
        ui::InvalidateShownPage(pages);
    }
    subsystems.LoadLanguageMenus(language);
    platform.window.SetTitle(kWindowTitle);
}

void ResetAllConfigs(AppState& state, platform::Platform& platform, Subsystems& subsystems,
                     const ui::PageSwitchContext& pages) {
    ui::EndRecordingIfRunning(EditorContextOf(state, platform.window), platform.window);
    settings::SettingsStore& settings = state.settings;
    settings::ResetConfigurations(settings, platform.profiles);
    macro::RestoreDefaultMacros(state.macros, settings.ConfigLock, platform.profiles, platform.window,
                                macro::DefaultMacroFilePath(settings.SkinDir, settings.UiLanguage),
                                macro::UserMacroFilePath(settings.ProgramDir, settings.UiLanguage));
    if (state.ui.Page() == ui::SkinPage::AdvancedPage) {
        pages.effects.RefreshMacroList();
        pages.repainter.InvalidateAll();
    }
    subsystems.ApplyConfiguration();
}

void InterfaceActions::SaveCurrentConfig() { settings::SaveCurrentConfig(state_.settings, platform_.profiles); }

void InterfaceActions::RevertToApplied() {
    settings::RevertToApplied(state_.settings, platform_.profiles);
    app::HideToTray(platform_.window);
}

void InterfaceActions::SwitchConfig(int number) { settings::SwitchConfig(state_.settings, platform_.profiles, number); }

void InterfaceActions::Minimize(Point clickPoint) {
    platform_.window.PostSystemCommand(platform::SystemCommand::Minimize, clickPoint);
}

void InterfaceActions::HideToTray() { app::HideToTray(platform_.window); }

void InterfaceActions::ImportConfig() {
    ui::EndRecordingIfRunning(Editor(), platform_.window);
    const auto request = settings::ExchangeFileDialog(platform::FileDialogMode::Open, state_.settings.ProgramDir);
    const auto path = platform_.window.ChooseFile(request);
    if (!path) return;
    if (settings::ImportConfig(state_.settings, platform_.profiles, *path)) {
        pages_.repainter.InvalidateAll();
    } else {
        platform_.window.MessageBox(NothingToImportMessage(state_.settings.UiLanguage), "");
    }
}

void InterfaceActions::ExportConfig() {
    ui::EndRecordingIfRunning(Editor(), platform_.window);
    const auto request = settings::ExchangeFileDialog(platform::FileDialogMode::Save, state_.settings.ProgramDir);
    if (const auto path = platform_.window.ChooseFile(request)) {
        settings::ExportConfig(state_.settings, platform_.profiles, *path);
    }
}

ui::EditorContext EditorContextOf(AppState& state, platform::MainWindow& window) {
    return ui::EditorContext{state.macros, state.settings.ConfigLock, state.editor, window.EditorControls()};
}

ui::EditorContext InterfaceActions::Editor() { return EditorContextOf(state_, platform_.window); }

void InterfaceActions::ImportMacros() {
    ui::EndRecordingIfRunning(Editor(), platform_.window);
    ui::ImportMacros(Editor(), platform_.window, platform_.profiles, state_.settings.ProgramDir);
}

void InterfaceActions::ExportMacros() {
    ui::EndRecordingIfRunning(Editor(), platform_.window);
    ui::ExportMacros(Editor(), platform_.window, platform_.profiles, state_.settings.ProgramDir);
}

void InterfaceActions::ToggleRecording() {
    if (state_.editor.recording) {
        ui::StopRecording(Editor(), platform_.window);
    } else {
        ui::StartRecording(Editor(), platform_.window);
    }
}

void InterfaceActions::OpenUserGuide() {
    const std::string guide = state_.settings.ProgramDir + kUserGuidePath;
    if (!platform_.shell.OpenDocument(guide)) {
        platform_.diagnostics.Report("user guide not opened: " + guide + ": the system refused it");
    }
}

}  // namespace vx::app
