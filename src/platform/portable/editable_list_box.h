#pragma once
// A list box whose selected line can be edited in place: a small edit field
// opens over the line, and when it closes the line takes its text and the
// owner hears that an edit ended. Knows nothing of what the lines mean; a
// backend forwards its list and edit-field messages here.
#include <string>

#include "platform/geometry.h"
#include "platform/input_events.h"

namespace vx::platform {

// What the editing needs of the list and of its edit field.
class ListEditSurface {
public:
    virtual ~ListEditSurface() = default;
    virtual int SelectedLine() = 0;  // -1 when none
    virtual Rect LineRect(int line) = 0;
    virtual std::string LineText(int line) = 0;
    // Deletes the line, inserts `text` in its place and selects it.
    virtual void ReplaceLine(int line, const std::string& text) = 0;
    // Opens the edit field over `rect` with `text`, all of it selected, and
    // gives it the keyboard focus.
    virtual void OpenEditor(const Rect& rect, const std::string& text) = 0;
    virtual bool EditorOpen() = 0;
    virtual std::string EditorText() = 0;
    // Counts as closed from the moment of the call, so that the focus loss
    // that closing causes ends nothing twice.
    virtual void CloseEditor() = 0;
    // Tells the owner window that an edit ended.
    virtual void NotifyEditEnded() = 0;
};

class EditableListBox {
public:
    // Ctrl+A: the character that opens the editor.
    static constexpr unsigned kOpenEditorCharacter = 1;

    explicit EditableListBox(ListEditSurface& surface) : surface_(surface) {}

    // A character typed into the list (its ordinary effect follows anyway).
    void OnCharacter(unsigned code);
    // A key for the edit field, seen before anything else (the window takes
    // the presses of Enter and Escape for itself). The release of Enter
    // commits, of Escape cancels, when the press went to the open field:
    // the Enter that chose the menu command opening the field ends nothing.
    void OnEditorKey(const KeyEvent& event);
    // A focus loss commits, and so does a resize or scroll of the list.
    void OnEditorFocusLost() { EndEdit(true); }
    void OnResizedOrScrolled() { EndEdit(true); }
    void EndEdit(bool commit);
    // The line being edited, -1 when no edit is open.
    int EditIndex() const { return editIndex_; }

private:
    void BeginEdit();

    ListEditSurface& surface_;
    int editIndex_ = -1;
    unsigned editRequest_ = 0;
    // The last key pressed while the field was open.
    Key pressedInEditor_ = Key::None;
};

}  // namespace vx::platform
