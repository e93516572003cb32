#pragma once
// The skinned function menu that opens below a button's function field,
// the sub-menu beside it while a group heading is hovered, and the warning
// shown first when no other button keeps the primary click. Interface
// thread only.
#include <cstdint>
#include <memory>

#include "macro/macro_store.h"
#include "platform/popup.h"
#include "platform/window.h"
#include "settings/settings_store.h"
#include "skin/skin_layout.h"
#include "ui/function_menu_model.h"
#include "ui/interface_state.h"
#include "ui/skin_images.h"
#include "ui/window_resources.h"

namespace vx::ui {

inline constexpr const char* kFunctionMenuTitle = "MainMenuDlg";
inline constexpr int kFunctionMenuWindowSize = 300;
inline constexpr int kSubMenuWindowWidth = 300;
inline constexpr int kSubMenuWindowHeight = 400;
// The warning's results.
inline constexpr int kWarningGoOn = 1;
inline constexpr int kWarningGiveUp = 2;

struct MenuContext {
    InterfaceState& ui;
    // The configuration the choice goes into, under ConfigLock; the language.
    settings::SettingsStore& settings;
    // The user macros' names and count, read under ConfigLock.
    const macro::MacroStore& macros;
    const skin::Layouts& layouts;
    const WindowResources& resources;
    SkinImages& images;
    platform::MainWindow& mainWindow;
};

// Runs the warning modally at ui.menuPosition; kWarningGoOn or kWarningGiveUp.
int RunPrimaryClickWarning(const MenuContext& context);

class FunctionMenus {
public:
    explicit FunctionMenus(const MenuContext& context);
    ~FunctionMenus();
    FunctionMenus(const FunctionMenus&) = delete;
    FunctionMenus& operator=(const FunctionMenus&) = delete;

    // A click on function field 25..30: the warning when needed, then a new
    // menu directly below the field.
    void Open(std::int32_t element);
    // Destroys the menu and its sub-menu; nothing when none is open.
    void Close();
    // The main window paints: after a choice in the sub-menu the menu goes.
    void OnMainWindowPaint();

    bool IsOpen() const { return menu_ != nullptr; }
    bool IsSubMenuOpen() const { return subMenu_ != nullptr; }
    std::int32_t HoveredRow() const { return hoveredRow_; }

private:
    class MenuEvents;
    class SubMenuEvents;

    // Function menu messages.
    void OnMenuInit(platform::PopupWindow& window);
    void OnMenuMove(Point point);
    void OnMenuDown();
    void OnMenuUp();
    void PaintMenu(platform::Drawing& drawing);
    void OpenSubMenu(std::int32_t heading);

    // Sub-menu messages.
    void OnSubMenuInit(platform::PopupWindow& window);
    void OnSubMenuMove(Point point);
    void OnSubMenuDown();
    void OnSubMenuUp();
    void PaintSubMenu(platform::Drawing& drawing);

    void Choose(std::int32_t code);
    // Closing waits until the message being handled is done with its window.
    void CloseLater();
    platform::FontHandle Font() const;
    int UserMacroCount() const;

    MenuContext context_;
    std::unique_ptr<MenuEvents> menuEvents_;
    std::unique_ptr<SubMenuEvents> subMenuEvents_;
    std::unique_ptr<platform::PopupWindow> menu_;
    std::unique_ptr<platform::PopupWindow> subMenu_;
    MenuGeometry menuGeometry_;
    MenuGeometry subGeometry_;

    std::int32_t hoveredRow_ = NoRow;  // menuHoveredItem
    std::int32_t lastRow_ = NoRow;
    bool menuPressed_ = false;
    bool subMenuChosen_ = false;
    std::int32_t subHeading_ = NoRow;
    int subItemCount_ = 0;
    std::int32_t subHoveredRow_ = NoRow;
    std::int32_t lastSubRow_ = NoRow;
    bool subPressed_ = false;
    // Counts the menus opened, so that a close posted for one never
    // closes a newer one.
    int generation_ = 0;
};

}  // namespace vx::ui
