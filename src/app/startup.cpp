#include "app/startup.h"

#include "app/control_requests.h"
#include "app/hotkeys.h"
#include "app/window_lifecycle.h"
#include "macro/macro_files.h"
#include "platform/portable/startup_trace.h"
#include "settings/settings_file.h"
#include "ui/window_shape.h"

namespace vx::app {

std::string PlugInMessage(settings::UiLanguage language) {
    if (settings::UsesEnglish(language)) {
        return std::string("Please plug-in【") + kWindowTitle + "】USB Mouse";
    }
    return std::string("请插入【") + kWindowTitle + "】USB鼠标";
}

namespace {

// Only once a profile has been sent to a mouse is there one for vx230ctl
// and the hotkeys to act on.
void ServeRequestsAndHotkeys(AppState& state, platform::Platform& platform, Subsystems& subsystems) {
    ServeControlRequests(state, platform, subsystems);
    RegisterHotkeys(state, platform);
}

}  // namespace

std::string TrayTip(settings::UiLanguage language, bool waitingForMouse) {
    if (!waitingForMouse) return kWindowTitle;
    if (settings::UsesEnglish(language)) return std::string(kWindowTitle) + ": waiting for the VX230 to be plugged in";
    return "VX230 游戏鼠标驱动：等待插入 VX230 鼠标";
}

std::string NothingToImportMessage(settings::UiLanguage language) {
    if (settings::UsesEnglish(language)) return "This file holds no configuration: nothing was imported.";
    return "此文件中没有配置,未导入任何内容。";
}

platform::FontSpec EnglishFontSpec() { return platform::FontSpec{"Consolas", 14, 7, 400, true}; }

platform::FontSpec ChineseFontSpec() { return platform::FontSpec{"宋体", 12, 6, 400, false}; }

void ShapeWindow(const std::string& skinDir, ui::WindowResources& resources, platform::Platform& platform,
                 Subsystems& subsystems) {
    const auto mask = platform.images.Load(skinDir + "\\main_mask.jpg");
    if (!mask || mask->width <= 0 || mask->height <= 0) {
        resources.windowShaped = false;
        return;
    }
    ui::WindowShape shape = ui::BuildWindowShape(*mask, subsystems.RepaintCutouts());
    resources.WindowRegion = std::move(shape.window);
    resources.RepaintRegion = std::move(shape.repaint);
    resources.windowShaped = true;
    platform.window.SetShape(resources.WindowRegion, shape.width, shape.height);
}

void RunStartupSequence(AppState& state, platform::Platform& platform, Subsystems& subsystems) {
    auto& window = platform.window;
    auto& profiles = platform.profiles;
    settings::SettingsStore& settings = state.settings;

    // The workers read these flags as soon as they run.
    state.device.ActionRunning.store(false);
    state.device.StopRequested.store(false);
    subsystems.StartWorkers();
    platform::TraceStartup(platform.startupTrace, "device workers started");

    const std::string aboutText = window.LoadResourceString(kAboutStringId);
    if (!aboutText.empty()) window.AppendSystemMenuItem(aboutText, platform::SystemCommand::About);
    window.SetLargeIcon(kMainIconId);

    settings.ConfigPath = settings.ProgramDir + "\\config.ini";
    // Saves killed before their rename (a crash, a power cut) left their
    // temporary files; only this instance writes these files now.
    platform.files.RemoveStaleTemporaries(settings.ConfigPath);
    for (const auto language : {settings::UiLanguage::Chinese, settings::UiLanguage::English}) {
        platform.files.RemoveStaleTemporaries(macro::UserMacroFilePath(settings.ProgramDir, language));
    }
    settings.CurrentConfigNumber.store(settings::ReadCurrentConfigNumber(profiles, settings.ConfigPath));
    settings.UiLanguage = static_cast<settings::UiLanguage>(settings::ReadLanguage(profiles, settings.ConfigPath));
    settings::LoadConfig(settings, profiles, settings.ConfigPath, settings.CurrentConfigNumber.load(),
                         settings::ConfigSource::UserSection);
    platform::TraceStartup(platform.startupTrace, "config.ini read");

    window.SetTitle(kWindowTitle);
    settings.SkinDir = settings.ProgramDir + "\\skins";

    // A missing layout file ends the program; the rest of start-up would
    // work on a window that no longer exists.
    subsystems.LoadMainLayout();
    if (state.shutdownStarted) return;
    subsystems.LoadColorLayout();
    if (state.shutdownStarted) return;
    subsystems.LoadAdvancedLayout();
    if (state.shutdownStarted) return;
    subsystems.AllocateAdvancedControls();
    subsystems.LoadWarningLayout();
    if (state.shutdownStarted) return;
    platform::TraceStartup(platform.startupTrace, "layouts loaded");

    state.window.EnglishFont = window.CreateFont(EnglishFontSpec());
    state.window.ChineseFont = window.CreateFont(ChineseFontSpec());
    ShapeWindow(settings.SkinDir, state.window, platform, subsystems);
    platform::TraceStartup(platform.startupTrace, "fonts and window shape");

    state.macros.userMacroFile = macro::UserMacroFilePath(settings.ProgramDir, settings.UiLanguage);
    subsystems.LoadUserMacros(state.macros.userMacroFile);
    subsystems.LoadConstantMacros(macro::ConstantMacroFilePath(settings.ProgramDir));
    subsystems.ResetMacroInterfaceState();
    subsystems.LoadLanguageMenus(settings.UiLanguage);
    platform::TraceStartup(platform.startupTrace, "macros and menus loaded");

    state.device.link.MouseConnected = subsystems.FindMouse();
    platform::TraceStartup(platform.startupTrace, "mouse looked for");
    if (!state.device.link.MouseConnected) {
        if (window.StartsInTray()) {
            // Started with the session, often before the mouse is plugged
            // in: no message, the tray icon says it waits, the arrival ends
            // start-up.
            state.waitingForMouse = true;
            subsystems.WatchForMouse();
            window.SetTrayTip(TrayTip(settings.UiLanguage, true));
            window.AddTrayIcon();
            platform::TraceStartup(platform.startupTrace, "waiting for the mouse");
            return;
        }
        window.MessageBox(PlugInMessage(settings.UiLanguage), "");
        ShutdownDriver(state, platform, subsystems);
        return;
    }
    platform.clock.SleepMs(5);
    subsystems.ApplyConfiguration();
    platform::TraceStartup(platform.startupTrace, "configuration sent");
    window.AddTrayIcon();
    platform::TraceStartup(platform.startupTrace, "tray icon added");
    ServeRequestsAndHotkeys(state, platform, subsystems);
}

void ResumeStartupOnArrival(AppState& state, platform::Platform& platform, Subsystems& subsystems) {
    if (!state.waitingForMouse || state.shutdownStarted) return;
    const device::DeviceLink& link = state.device.link;
    // One arrival per interface: the mouse counts once both of its
    // collections have come and been tried, as at a start with it present.
    const bool found = subsystems.FindMouse();
    if (!found || link.ReadChannel.state == device::ChannelState::Unopened ||
        link.WriteChannel.state == device::ChannelState::Unopened) {
        return;
    }
    state.device.link.MouseConnected = true;
    state.waitingForMouse = false;
    platform.clock.SleepMs(5);
    subsystems.ApplyConfiguration();
    platform.window.SetTrayTip(TrayTip(state.settings.UiLanguage, false));
    ServeRequestsAndHotkeys(state, platform, subsystems);
}

}  // namespace vx::app
