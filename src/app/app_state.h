#pragma once
// All process-wide state: one part per subsystem, each next to the code
// that guards it. Owned by the application object; a test builds a fresh
// program with one AppState.
#include <functional>

#include "device/device_session.h"
#include "macro/macro_store.h"
#include "platform/product.h"
#include "settings/settings_store.h"
#include "skin/skin_layout.h"
#include "ui/interface_state.h"
#include "ui/macro_editor.h"
#include "ui/window_resources.h"

namespace vx::app {

inline constexpr const char* kWindowTitle = platform::product::kProductName;
inline constexpr const char* kMutexName = "CZUV_GMouseApp";

struct AppState {
    settings::SettingsStore settings;
    device::DeviceSession device;
    // Records and counts guarded by settings.ConfigLock.
    macro::MacroStore macros;
    // The macro editor and recording (interface thread).
    ui::EditorState editor;
    skin::Layouts layouts;
    ui::InterfaceState ui;
    ui::WindowResources window;
    // Set once the exit sequence has begun; start-up stops at once then.
    bool shutdownStarted = false;
    // The per-program profiles' on/off switch, for vx230ctl's status and
    // the AutoSwitch hotkey (interface thread); set by that feature.
    std::function<bool()> autoSwitchOn;
    std::function<void(bool)> setAutoSwitchOn;
    // Started in the tray without a mouse: the rest of start-up waits for
    // the mouse's arrival (interface thread).
    bool waitingForMouse = false;
};

}  // namespace vx::app
