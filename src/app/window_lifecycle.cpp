#include "app/window_lifecycle.h"

namespace vx::app {

void ShutdownDriver(AppState& state, platform::Platform& platform, Subsystems& subsystems) {
    state.shutdownStarted = true;
    // Keys must never stay captured once the program ends.
    if (state.editor.recorder.hookInstalled) {
        platform.window.RemoveRecordingHook();
        state.editor.recorder.hookInstalled = false;
    }
    platform.window.RemoveTrayIcon();
    subsystems.ReleaseAllAndSendDriverExit();
    if (!platform.systemSettings.HasMouseSpeed()) {
        // Nothing to put back.
    } else if (!platform.systemSettings.GetMouseSpeed()) {
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

long HandleTrayCallback(platform::Menu* trayMenu, platform::MainWindow& window, int iconId,
                        platform::PointerEvent event) {
    using platform::PointerAction;
    using platform::PointerButton;
    if (iconId != kTrayIconId) return 1;
    if (event.button == PointerButton::Left && event.action == PointerAction::DoublePress) {
        ShowMainWindow(window);
    } else if (event.button == PointerButton::Right && event.action == PointerAction::Release &&
               trayMenu != nullptr) {
        window.ShowTrayMenu(*trayMenu);
    }
    return 0;
}

std::optional<bool> StartsWithSession(platform::Platform& platform) {
    if (platform.sessionStart == nullptr) return std::nullopt;
    return platform.sessionStart->IsOn();
}

void ToggleSessionStart(platform::Platform& platform) {
    if (platform.sessionStart == nullptr) return;
    const bool on = !platform.sessionStart->IsOn();
    if (const std::optional<std::string> problem = platform.sessionStart->Set(on)) {
        platform.diagnostics.Report(std::string(on ? "start with the session not turned on: "
                                                   : "start with the session not turned off: ") +
                                    *problem);
    }
}

}  // namespace vx::app
