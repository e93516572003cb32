#pragma once
// The macro editor's four child controls over the advanced page, as the
// logic sees them. The objects live as long as the program; their windows
// exist only between Create and Destroy. Without a window every call does
// nothing and every read answers empty, 0 or -1.
#include <string>

#include "platform/geometry.h"

namespace vx::platform {

class ListBoxControl {
public:
    virtual ~ListBoxControl() = default;
    virtual int LineCount() = 0;
    // "" for a line that does not exist.
    virtual std::string LineText(int line) = 0;
    virtual void AddLine(const std::string& text) = 0;
    virtual void DeleteLine(int line) = 0;
    // -1 when no line is selected.
    virtual int SelectedLine() = 0;
    // A line that does not exist clears the selection.
    virtual void SelectLine(int line) = 0;
    // Off while many lines are added, so that the list is drawn once.
    virtual void SetRedraw(bool on) = 0;
    virtual void Focus() = 0;
    // The first visible line, the height of a line, and the client area in
    // screen coordinates.
    virtual int TopLine() = 0;
    virtual int LineHeight() = 0;
    virtual Rect ScreenClientRect() = 0;
    // Delivers a character as if typed into the list (code 1, Ctrl+A, opens
    // the event list's in-place editor on the selected line).
    virtual void SendCharacter(int code) = 0;
};

class EditControl {
public:
    virtual ~EditControl() = default;
    virtual std::string Text() = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void Enable(bool enabled) = 0;
    virtual void Focus() = 0;
};

// Where the four controls stand, in window coordinates.
struct MacroEditorRects {
    Rect repeatCount;
    Rect name;
    Rect macroList;
    Rect eventList;
};

// Control ids the main window hears from.
inline constexpr int kRepeatCountEditId = 10004;
inline constexpr int kMacroNameEditId = 10000;
inline constexpr int kMacroListId = 10001;
inline constexpr int kEventListId = 10002;
// The macro list's selection changed (its notification code).
inline constexpr int kListSelectionChanged = 1;

class MacroEditorControls {
public:
    virtual ~MacroEditorControls() = default;
    virtual EditControl& RepeatCountEdit() = 0;
    virtual EditControl& MacroNameEdit() = 0;
    virtual ListBoxControl& MacroList() = 0;
    // The list whose selected line can be edited in place; when an edit
    // ends the main window hears WindowEvents::OnEventListEditEnded.
    virtual ListBoxControl& EventList() = 0;
    // Creates the windows, in the order repeat count, name, macro list,
    // event list, as children of the main window.
    virtual void Create(const MacroEditorRects& rects) = 0;
    virtual void Destroy() = 0;
    virtual bool Exist() = 0;
};

}  // namespace vx::platform
