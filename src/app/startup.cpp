#include "app/startup.h"

#include "app/window_lifecycle.h"
#include "app/window_shape.h"
#include "settings/settings_file.h"

namespace vx::app {

std::string PlugInMessage(settings::UiLanguage language) {
    if (language == settings::UiLanguage::English) {
        return std::string("Please plug-in【") + kWindowTitle + "】USB Mouse";
    }
    return std::string("请插入【") + kWindowTitle + "】USB鼠标";
}

platform::FontSpec EnglishFontSpec() {
    return platform::FontSpec{"Consolas", 14, 7, 400, true};
}

platform::FontSpec ChineseFontSpec() {
    return platform::FontSpec{"宋体", 12, 6, 400, false};
}

void ShapeWindow(AppState& state, platform::Platform& platform, Subsystems& subsystems) {
    const auto mask = platform.images.Load(state.SkinDir + "\\main_mask.jpg");
    if (!mask || mask->width <= 0 || mask->height <= 0) {
        state.windowShaped = false;
        return;
    }
    WindowShape shape = BuildWindowShape(*mask, subsystems.RepaintCutouts());
    state.WindowRegion = std::move(shape.window);
    state.RepaintRegion = std::move(shape.repaint);
    state.windowShaped = true;
    platform.window.SetShape(state.WindowRegion, shape.width, shape.height);
}

void RunStartupSequence(AppState& state, platform::Platform& platform, Subsystems& subsystems) {
    auto& window = platform.window;
    auto& profiles = platform.profiles;

    // The workers read these flags as soon as they run.
    state.ActionRunning.store(false);
    state.StopRequested.store(false);
    subsystems.StartWorkers();

    const std::string aboutText = window.LoadResourceString(kAboutStringId);
    if (!aboutText.empty()) window.AppendSystemMenuItem(aboutText, kAboutCommandId);
    window.SetLargeIcon(kMainIconId);

    state.ConfigPath = state.ProgramDir + "\\config.ini";
    state.CurrentConfigNumber.store(settings::ReadCurrentConfigNumber(profiles, state.ConfigPath));
    state.UiLanguage = static_cast<settings::UiLanguage>(settings::ReadLanguage(profiles, state.ConfigPath));
    settings::LoadConfig(state, profiles, state.ConfigPath, state.CurrentConfigNumber.load(), false);

    window.SetTitle(kWindowTitle);
    state.SkinDir = state.ProgramDir + "\\skins";

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

    state.EnglishFont = window.CreateFont(EnglishFontSpec());
    state.ChineseFont = window.CreateFont(ChineseFontSpec());
    ShapeWindow(state, platform, subsystems);

    state.macros.userMacroFile = state.ProgramDir + (state.UiLanguage == settings::UiLanguage::English
                                                  ? "\\Macro_EN.dat"
                                                  : "\\Macro_CN.dat");
    subsystems.LoadUserMacros(state.macros.userMacroFile);
    subsystems.LoadConstantMacros(state.ProgramDir + "\\constMacro.dat");
    subsystems.ResetMacroInterfaceState();
    subsystems.LoadLanguageMenus(state.UiLanguage);

    state.link.MouseConnected = subsystems.FindMouse();
    if (!state.link.MouseConnected) {
        window.MessageBox(PlugInMessage(state.UiLanguage), "");
        ShutdownDriver(state, platform, subsystems);
        return;
    }
    platform.clock.SleepMs(5);
    subsystems.ApplyConfiguration();
    window.AddTrayIcon();
}

}  // namespace vx::app
