#include "app/program_interface.h"

#include "app/interface_actions.h"
#include "ui/paint.h"
#include "ui/paint_snapshot.h"

namespace vx::app {

ProgramInterface::ProgramInterface(AppState& state, platform::Platform& platform, Subsystems& subsystems)
    : state_(state), platform_(platform), subsystems_(subsystems), repainter_(platform.window) {}

ui::SkinImages& ProgramInterface::Images() {
    if (!images_) images_ = std::make_unique<ui::SkinImages>(platform_.images, state_.settings.SkinDir);
    return *images_;
}

ui::FunctionMenus& ProgramInterface::Menus() {
    if (!menus_) {
        menus_ = std::make_unique<ui::FunctionMenus>(ui::MenuContext{
            state_.ui, state_.settings, state_.macros, state_.layouts, state_.window, Images(), platform_.window});
    }
    return *menus_;
}

ui::PointerContext ProgramInterface::Pointer() {
    return ui::PointerContext{state_.ui, state_.layouts, repainter_, state_.window.RepaintRegion};
}

ui::PageSwitchContext ProgramInterface::Pages() {
    return ui::PageSwitchContext{state_.ui, repainter_, state_.window.RepaintRegion, *this};
}

void ProgramInterface::StartLedPreviewUnlessRunning() {
    platform::MainWindow& window = platform_.window;
    const ui::PreviewContext preview{state_.ui, state_.settings, state_.device.applied, platform_.clock,
                                     [&window] { window.PostRepaint(); }};
    ui::StartLedPreviewUnlessRunning(preview, platform_.threads);
}

void ProgramInterface::OnPaint() {
    if (menus_) menus_->OnMainWindowPaint();
    platform::Drawing* drawing = platform_.window.PaintDrawing();
    if (drawing == nullptr || state_.settings.SkinDir.empty()) return;
    ui::PaintInputs inputs =
        ui::SnapshotPaintInputs(state_.ui, state_.settings, state_.device.applied, state_.macros, state_.window);
    // The repaint region leaves room for the macro editor's child controls;
    // until they exist the whole page is drawn, so no stale pixels remain
    // where they will stand.
    inputs.repaintRegion = nullptr;
    ui::PaintMainWindow(*drawing, Images(), state_.layouts, inputs);
}

void ProgramInterface::OnMouseMove(Point p) { ui::OnMouseMove(Pointer(), p); }

void ProgramInterface::OnLeftButtonDown(Point p) {
    InterfaceActions actions(state_, platform_, subsystems_, Pages(), Menus());
    ui::OnLeftButtonDown(Pointer(), state_.settings, actions, p);
}

void ProgramInterface::OnLeftButtonUp(Point p) {
    InterfaceActions actions(state_, platform_, subsystems_, Pages(), Menus());
    ui::OnLeftButtonUp(Pointer(), actions, p);
}

}  // namespace vx::app
