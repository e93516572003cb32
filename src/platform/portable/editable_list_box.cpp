#include "platform/portable/editable_list_box.h"

namespace vx::platform {

namespace {
// The edit field stands out a little above and below its line.
constexpr int kEditorMargin = 2;
}  // namespace

void EditableListBox::OnCharacter(unsigned code) {
    editRequest_ = code;
    BeginEdit();
}

void EditableListBox::BeginEdit() {
    if (editRequest_ != kOpenEditorCharacter) return;
    editRequest_ = 0;
    const int line = surface_.SelectedLine();
    if (line < 0) return;
    // One edit field at a time: an open one is committed first.
    EndEdit(true);
    Rect rect = surface_.LineRect(line);
    rect.top -= kEditorMargin;
    rect.bottom += kEditorMargin;
    surface_.OpenEditor(rect, surface_.LineText(line));
    editIndex_ = line;
    pressedInEditor_ = Key::None;
}

void EditableListBox::OnEditorKey(const KeyEvent& event) {
    if (!surface_.EditorOpen() || event.action == KeyAction::Character) return;
    const Key key = event.AsKey();
    if (event.action == KeyAction::Down) {
        pressedInEditor_ = key;
        return;
    }
    if (key != pressedInEditor_) return;
    pressedInEditor_ = Key::None;
    if (key == Key::Return) EndEdit(true);
    if (key == Key::Escape) EndEdit(false);
}

void EditableListBox::EndEdit(bool commit) {
    if (!surface_.EditorOpen()) return;
    if (commit && editIndex_ != -1) {
        const std::string edited = surface_.EditorText();
        if (edited != surface_.LineText(editIndex_)) surface_.ReplaceLine(editIndex_, edited);
    }
    editIndex_ = -1;
    surface_.CloseEditor();
    surface_.NotifyEditEnded();
}

}  // namespace vx::platform
