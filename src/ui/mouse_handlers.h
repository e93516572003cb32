#pragma once
// The main window's pointer handling: hover tracking with its repaints, the
// pressed state, and what a click on each element of the three pages does.
#include "platform/geometry.h"
#include "settings/mouse_config.h"
#include "settings/settings_store.h"
#include "skin/skin_layout.h"
#include "ui/interface_state.h"
#include "ui/page_switch.h"
#include "ui/repainter.h"

namespace vx::ui {

// The operations of other subsystems that clicks start. Edits of the
// configuration itself are made by the handlers.
class ClickActions {
public:
    virtual ~ClickActions() = default;
    virtual void ShowMainPage() = 0;
    virtual void ShowAdvancedPage() = 0;
    virtual void ShowColorPage() = 0;
    // Closes the open function menu window (the state flag is cleared by the
    // caller).
    virtual void CloseFunctionMenu() = 0;
    // Function field 25..30: the menu of button element − 25.
    virtual void OpenFunctionMenu(std::int32_t element) = 0;
    // The window follows the pointer until the button is released.
    virtual void StartWindowMove(Point clickPoint) = 0;
    virtual void SaveCurrentConfig() = 0;
    virtual void RevertToApplied() = 0;
    virtual void ApplyConfiguration() = 0;
    virtual void SwitchConfig(int number) = 0;
    virtual void Minimize(Point clickPoint) = 0;
    virtual void HideToTray() = 0;
    virtual void ImportConfig() = 0;
    virtual void ExportConfig() = 0;
    virtual void ResetAllConfigs() = 0;
    virtual void SwitchLanguage(settings::UiLanguage language) = 0;
    virtual void OpenUserGuide() = 0;
    // The advanced page's macro editor (elements 0..6).
    virtual void ImportMacros() = 0;
    virtual void ExportMacros() = 0;
    virtual void AddMacro() = 0;
    virtual void DeleteMacro() = 0;
    // Starts a recording, or stops the one running.
    virtual void ToggleRecording() = 0;
    virtual void CommitRepeatCount() = 0;
    virtual void ToggleRepeat() = 0;
};

struct PointerContext {
    InterfaceState& ui;
    const skin::Layouts& layouts;
    Repainter& repainter;
    const Region& repaintRegion;
};

// Hit-tests all three tables on every page, then repaints once for each of
// the main, colour and advanced values that changed, at once.
void OnMouseMove(const PointerContext& context, Point point);

// Act on the hover values of the last move, not on the click point (only
// the slider and the window move use it). Every edit of the configuration
// is made under settings.ConfigLock.
void OnLeftButtonDown(const PointerContext& context, settings::SettingsStore& settings, ClickActions& actions,
                      Point point);
void OnLeftButtonUp(const PointerContext& context, ClickActions& actions, Point point);

}  // namespace vx::ui
