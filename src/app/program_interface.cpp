#include "app/program_interface.h"

#include "app/interface_actions.h"
#include "ui/paint.h"
#include "ui/paint_snapshot.h"

namespace vx::app {

ProgramInterface::ProgramInterface(AppState& state, platform::Platform& platform, Subsystems& subsystems)
    : state_(state), platform_(platform), subsystems_(subsystems), repainter_(platform.window) {}

ui::PointerContext ProgramInterface::Pointer() {
    return ui::PointerContext{state_.ui, state_.layouts, repainter_, state_.window.RepaintRegion};
}

ui::PageSwitchContext ProgramInterface::Pages() {
    return ui::PageSwitchContext{state_.ui, repainter_, state_.window.RepaintRegion, noPageEffects_};
}

void ProgramInterface::OnPaint() {
    platform::Drawing* drawing = platform_.window.PaintDrawing();
    const std::string& skinDir = state_.settings.SkinDir;
    if (drawing == nullptr || skinDir.empty()) return;
    if (!images_) images_ = std::make_unique<ui::SkinImages>(platform_.images, skinDir);
    ui::PaintInputs inputs =
        ui::SnapshotPaintInputs(state_.ui, state_.settings, state_.device.applied, state_.macros, state_.window);
    // The repaint region leaves room for the macro editor's child controls;
    // until they exist the whole page is drawn, so no stale pixels remain
    // where they will stand.
    inputs.repaintRegion = nullptr;
    ui::PaintMainWindow(*drawing, *images_, state_.layouts, inputs);
}

void ProgramInterface::OnMouseMove(Point p) { ui::OnMouseMove(Pointer(), p); }

void ProgramInterface::OnLeftButtonDown(Point p) {
    InterfaceActions actions(state_, platform_, subsystems_, Pages());
    ui::OnLeftButtonDown(Pointer(), state_.settings, actions, p);
}

void ProgramInterface::OnLeftButtonUp(Point p) {
    InterfaceActions actions(state_, platform_, subsystems_, Pages());
    ui::OnLeftButtonUp(Pointer(), actions, p);
}

}  // namespace vx::app
