#include "app/program_interface.h"

#include "app/interface_actions.h"
#include "ui/macro_recorder.h"
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

ui::EditorContext ProgramInterface::Editor() { return EditorContextOf(state_, platform_.window); }

void ProgramInterface::CreateMacroEditorControls() {
    const skin::Layouts& layouts = state_.layouts;
    platform_.window.EditorControls().Create(platform::MacroEditorRects{
        layouts.macroEditRects[0], layouts.macroEditRects[1], layouts.macroDisplayRects[0],
        layouts.macroDisplayRects[1]});
}

void ProgramInterface::DestroyMacroEditorControls() { platform_.window.EditorControls().Destroy(); }

void ProgramInterface::RefreshMacroList() { ui::RefreshMacroList(Editor()); }

void ProgramInterface::OnCommand(int commandId) {
    ui::EventMenuCommand command;
    if (ui::FindEventMenuCommand(commandId, command)) ui::RunEventMenuCommand(Editor(), platform_.window, command);
}

bool ProgramInterface::OnFilterKey(const platform::KeyEvent& event) {
    const std::int32_t recordedBefore = state_.editor.recorder.recordedCount;
    const bool consumed = ui::FilterKey(Editor(), platform_.clock, event);
    // The press and release counters on the page follow the recording.
    if (state_.editor.recorder.recordedCount != recordedBefore) ui::InvalidateShownPage(Pages());
    return consumed;
}

bool ProgramInterface::OnFilterRightButtonUp() {
    ui::FilterRightButtonUp(Editor(), platform_.window, state_.ui.Page() == ui::SkinPage::AdvancedPage,
                               state_.window.menus.eventMenu.Menu());
    return false;
}

void ProgramInterface::OnControlNotification(int controlId, int code) {
    if (controlId == platform::kMacroListId && code == platform::kListSelectionChanged) {
        ui::SelectMacroFromList(Editor());
    }
}

void ProgramInterface::OnEventListEditEnded() { ui::ApplyEditedDelay(Editor()); }

void ProgramInterface::OnPaint() {
    if (menus_) menus_->OnMainWindowPaint();
    platform::Drawing* drawing = platform_.window.PaintDrawing();
    if (drawing == nullptr || state_.settings.SkinDir.empty()) return;
    ui::PaintInputs inputs =
        ui::SnapshotPaintInputs(state_.ui, state_.settings, state_.device.applied, state_.macros, state_.window);
    inputs.recording = state_.editor.recording;
    inputs.pressCount = state_.editor.pressCount;
    inputs.releaseCount = state_.editor.releaseCount;
    // The window clips its child controls itself, so the whole page can be
    // drawn: nothing stale is left where the controls come and go.
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
