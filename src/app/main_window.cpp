#include "app/main_window.h"

#include "app/auto_switch_feature.h"
#include "app/hotkeys.h"
#include "app/startup.h"
#include "app/window_lifecycle.h"
#include "platform/menu_commands.h"

namespace vx::app {

CZUV_GMouseDlg::CZUV_GMouseDlg(AppState& state, platform::Platform& platform, Subsystems& subsystems,
                               InterfaceEvents& interfaceEvents)
    : state_(state), platform_(platform), subsystems_(subsystems), interface_(interfaceEvents) {}

void CZUV_GMouseDlg::OnInitDialog() {
    RunStartupSequence(state_, platform_, subsystems_);
    if (autoSwitch_ != nullptr && !state_.shutdownStarted) autoSwitch_->Start();
}

void CZUV_GMouseDlg::OnCloseRequest() { HideToTray(platform_.window); }

bool CZUV_GMouseDlg::OnSystemCommand(platform::SystemCommand command) {
    switch (command) {
        case platform::SystemCommand::About: platform_.window.ShowAboutBox(); return true;
        case platform::SystemCommand::Minimize:
            // Minimised, not hidden: the window stays in the taskbar.
            platform_.window.Show(platform::ShowCommand::Minimize);
            return true;
        default: return false;
    }
}

void CZUV_GMouseDlg::OnCommand(int commandId) {
    switch (commandId) {
        case platform::menu_command::kExitDriverEn:
        case platform::menu_command::kExitDriverCn: ShutdownDriver(state_, platform_, subsystems_); break;
        case platform::menu_command::kShowWindowEn:
        case platform::menu_command::kShowWindowCn: ShowMainWindow(platform_.window); break;
        case platform::menu_command::kProgramRulesEn:
        case platform::menu_command::kProgramRulesCn:
            if (autoSwitch_ != nullptr) autoSwitch_->OpenDialog();
            break;
        case platform::menu_command::kSessionStartEn:
        case platform::menu_command::kSessionStartCn: ToggleSessionStart(platform_); break;
        default: interface_.OnCommand(commandId); break;
    }
}

long CZUV_GMouseDlg::OnTrayCallback(int iconId, platform::PointerEvent event) {
    // The check of "Start with the Session" follows the entry as it is now.
    if (const std::optional<bool> on = StartsWithSession(platform_)) {
        state_.window.menus.trayMenu.SetChecked(platform::menu_command::kSessionStartEn, *on);
        state_.window.menus.trayMenu.SetChecked(platform::menu_command::kSessionStartCn, *on);
    }
    return HandleTrayCallback(state_.window.menus.trayMenu.Menu(), platform_.window, iconId, event);
}

void CZUV_GMouseDlg::OnDeviceRemoved(const platform::DeviceNotification& notification) {
    if (state_.shutdownStarted || !subsystems_.IsMouseNotification(notification)) return;
    state_.device.link.MouseConnected = false;
    ShutdownDriver(state_, platform_, subsystems_);
}

void CZUV_GMouseDlg::OnDeviceArrived(const platform::DeviceNotification& /*notification*/) {
    ResumeStartupOnArrival(state_, platform_, subsystems_);
}

void CZUV_GMouseDlg::OnPowerEvent(platform::PowerEvent /*event*/) {
    // Suspend and resume alike: the mouse may have lost its settings either
    // way. A mouse not yet plugged in gets them on its arrival.
    if (!state_.shutdownStarted && !state_.waitingForMouse) subsystems_.ApplyConfiguration();
}

void CZUV_GMouseDlg::OnHotkey(int id) { app::OnHotkey(state_, platform_, subsystems_, id); }

platform::ControlColors CZUV_GMouseDlg::OnControlColor() {
    return platform::ControlColors{state_.window.FontFor(state_.settings.UiLanguage), platform::Color{255, 255, 255},
                                   platform::Color{0, 0, 0}};
}

platform::MenuItemSize CZUV_GMouseDlg::OnMeasureMenuItem(std::uintptr_t itemData) {
    const ui::MenuItemRecord* record = state_.window.menus.RecordFor(itemData);
    return record != nullptr ? ui::MeasureMenuItem(*record) : platform::MenuItemSize{};
}

void CZUV_GMouseDlg::OnDrawMenuItem(std::uintptr_t itemData, const Rect& rect, bool selected,
                                    platform::MenuItemPainter& painter) {
    if (const ui::MenuItemRecord* record = state_.window.menus.RecordFor(itemData)) {
        ui::DrawMenuItem(*record, rect, selected, painter);
    }
}

void CZUV_GMouseDlg::OnRepaintRequest() {
    if (!state_.shutdownStarted) platform_.window.Invalidate();
}

}  // namespace vx::app
