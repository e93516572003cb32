#pragma once
// The skinned interface as the main window sees it: paint, hover, pressed
// state and page switches over the program's state.
#include <memory>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/subsystems.h"
#include "platform/platform.h"
#include "ui/mouse_handlers.h"
#include "ui/skin_images.h"

namespace vx::app {

class ProgramInterface : public InterfaceEvents {
public:
    ProgramInterface(AppState& state, platform::Platform& platform, Subsystems& subsystems);

    void OnPaint() override;
    void OnMouseMove(Point p) override;
    void OnLeftButtonDown(Point p) override;
    void OnLeftButtonUp(Point p) override;

private:
    ui::PointerContext Pointer();
    ui::PageSwitchContext Pages();

    AppState& state_;
    platform::Platform& platform_;
    Subsystems& subsystems_;
    ui::MainWindowRepainter repainter_;
    ui::PageSideEffects noPageEffects_;
    // Made on the first paint: the skin folder is known only after start-up.
    std::unique_ptr<ui::SkinImages> images_;
};

}  // namespace vx::app
