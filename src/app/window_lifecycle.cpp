#include "app/window_lifecycle.h"

namespace vx::app {

void ShutdownDriver(AppState& state, platform::Platform& platform, Subsystems& subsystems) {
    state.shutdownStarted = true;
    platform.window.RemoveTrayIcon();
    subsystems.SendDriverExit();
    if (!platform.systemSettings.GetMouseSpeed()) {
        platform.diagnostics.Report("pointer speed not put back to 10: the current speed could not be read");
    } else if (!platform.systemSettings.SetMouseSpeed(10)) {
        platform.diagnostics.Report("pointer speed not put back to 10: the system refused it");
    }
    platform.window.Destroy();
}

void HideToTray(platform::MainWindow& window) {
    window.Show(platform::ShowCommand::Minimize);
    window.Show(platform::ShowCommand::Hide);
    window.AddTrayIcon();
}

void ShowMainWindow(platform::MainWindow& window) {
    window.Show(platform::ShowCommand::Show);
    window.Show(platform::ShowCommand::Restore);
}

long HandleTrayCallback(settings::UiLanguage language, platform::MainWindow& window, int iconId,
                        platform::MouseButtonEvent event) {
    if (iconId != kTrayIconId) return 1;
    if (event == platform::MouseButtonEvent::LeftDoubleClick) {
        ShowMainWindow(window);
    } else if (event == platform::MouseButtonEvent::RightUp) {
        window.ShowTrayMenu(settings::UsesEnglish(language) ? kTrayMenuEn : kTrayMenuCn);
    }
    return 0;
}

}  // namespace vx::app
