#include "app/program_subsystems.h"

#include "app/window_lifecycle.h"
#include "device/apply_configuration.h"
#include "device/discovery.h"
#include "device/driver_exit.h"
#include "device/workers.h"
#include "ui/macro_editor.h"
#include "macro/macro_files.h"
#include "skin/layout_loaders.h"

namespace vx::app {

void ProgramSubsystems::StartWorkers() {
    device::StartDeviceWorkers(state_.settings, state_.device, state_.macros, platform_,
                               [&window = platform_.window] { window.PostRepaint(); });
}

template <typename Loader>
void ProgramSubsystems::LoadLayout(Loader loader) {
    const skin::LayoutSource source{platform_.profiles, platform_.window,
                                    [this] { ShutdownDriver(state_, platform_, *this); }, state_.settings.SkinDir,
                                    state_.settings.UiLanguage};
    loader(source, state_.layouts);
}

void ProgramSubsystems::LoadMainLayout() { LoadLayout(skin::LoadMainLayout); }
void ProgramSubsystems::LoadColorLayout() { LoadLayout(skin::LoadColorLayout); }
void ProgramSubsystems::LoadAdvancedLayout() { LoadLayout(skin::LoadAdvancedLayout); }
void ProgramSubsystems::LoadWarningLayout() { LoadLayout(skin::LoadWarningLayout); }

std::array<Rect, 3> ProgramSubsystems::RepaintCutouts() {
    const auto& layouts = state_.layouts;
    return {layouts.macroEditRects[1], layouts.macroDisplayRects[1], layouts.macroDisplayRects[0]};
}

void ProgramSubsystems::LoadUserMacros(const std::string& file) {
    macro::LoadUserMacros(state_.macros, state_.settings.ConfigLock, platform_.profiles, platform_.window, file);
}

void ProgramSubsystems::LoadConstantMacros(const std::string& file) {
    macro::LoadConstantMacros(state_.macros, state_.settings.ConfigLock, platform_.profiles, platform_.window, file);
}

void ProgramSubsystems::ResetMacroInterfaceState() {
    state_.ui.menuOpen = false;
    state_.editor.clickedLine = macro::InitialClickedLine(state_.macros);
}

void ProgramSubsystems::LoadLanguageMenus(settings::UiLanguage language) {
    ui::LoadLanguageMenus(state_.window.menus, platform_.window, language);
}

bool ProgramSubsystems::FindMouse() { return device::FindMouse(state_.device, platform_.hid); }

void ProgramSubsystems::WatchForMouse() { platform_.hid.RegisterForNotifications(); }

bool ProgramSubsystems::IsMouseNotification(const platform::DeviceNotification& notification) {
    return device::IsMouseNotification(state_.device.link, notification);
}

void ProgramSubsystems::ApplyConfiguration() { device::ApplyConfiguration(state_.settings, state_.device, platform_); }

void ProgramSubsystems::ReleaseAllAndSendDriverExit() {
    const device::ReportSink sink{platform_.hid, platform_.diagnostics};
    device::HaltPlaybackAndReleaseAll(state_.device, sink);
    device::SendDriverExit(state_.device, sink);
}

}  // namespace vx::app
