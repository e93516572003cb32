#pragma once
// The skinned interface as the main window sees it: paint, hover, clicks,
// page switches, the function menus and the LED preview over the program's
// state.
#include <memory>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/subsystems.h"
#include "platform/platform.h"
#include "ui/function_menus.h"
#include "ui/led_preview.h"
#include "ui/mouse_handlers.h"
#include "ui/skin_images.h"

namespace vx::app {

class ProgramInterface : public InterfaceEvents, private ui::PageSideEffects {
public:
    ProgramInterface(AppState& state, platform::Platform& platform, Subsystems& subsystems);

    void OnPaint() override;
    void OnMouseMove(Point p) override;
    void OnLeftButtonDown(Point p) override;
    void OnLeftButtonUp(Point p) override;
    void OnCommand(int commandId) override;
    bool OnFilterKey(const platform::KeyEvent& event) override;
    bool OnFilterRightButtonUp() override;
    void OnControlNotification(int controlId, int code) override;
    void OnEventListEditEnded() override;

    // Made on first use: the skin folder is known only after start-up.
    ui::SkinImages& Images();
    ui::FunctionMenus& Menus();

private:
    void StartLedPreviewUnlessRunning() override;
    void CreateMacroEditorControls() override;
    void DestroyMacroEditorControls() override;
    void RefreshMacroList() override;
    ui::EditorContext Editor();
    ui::PointerContext Pointer();
    ui::PageSwitchContext Pages();

    AppState& state_;
    platform::Platform& platform_;
    Subsystems& subsystems_;
    ui::MainWindowRepainter repainter_;
    std::unique_ptr<ui::SkinImages> images_;
    std::unique_ptr<ui::FunctionMenus> menus_;
};

}  // namespace vx::app
