#pragma once
// The macro editor's child controls as Qt widgets: two QLineEdits, a
// QListWidget and the event list, a QListWidget whose selected line can be
// edited in place (EditableListBox).
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

#include "platform/controls.h"
#include "platform/portable/editable_list_box.h"
#include "platform/qt/qt_drawing.h"
#include "platform/window.h"

namespace vx::platform {

class QtListBox final : public ListBoxControl {
public:
    int LineCount() override;
    std::string LineText(int line) override;
    void AddLine(const std::string& text) override;
    void DeleteLine(int line) override;
    int SelectedLine() override;
    void SelectLine(int line) override;
    void SetRedraw(bool on) override;
    void Focus() override;
    int TopLine() override;
    int LineHeight() override;
    Rect ScreenClientRect() override;
    void SendCharacter(int code) override;

    QPointer<QListWidget> list;
    // Characters typed into the list go here too (the event list's editing).
    std::function<void(int code)> onCharacter;
    // Selection changes the program makes itself are no user's choice.
    bool quiet = false;
};

class QtEdit final : public EditControl {
public:
    std::string Text() override;
    void SetText(const std::string& text) override;
    void Enable(bool enabled) override;
    void Focus() override;

    QPointer<QLineEdit> edit;
};

class QtEditorControls final : public MacroEditorControls {
public:
    // `parent` answers the main window's widget when the controls are made;
    // `events` the logic's side of it while it runs.
    QtEditorControls(std::function<QWidget*()> parent, std::function<WindowEvents*()> events);
    ~QtEditorControls() override;
    QtEditorControls(const QtEditorControls&) = delete;
    QtEditorControls& operator=(const QtEditorControls&) = delete;

    EditControl& RepeatCountEdit() override { return repeatCount_; }
    EditControl& MacroNameEdit() override { return name_; }
    ListBoxControl& MacroList() override { return macroList_; }
    ListBoxControl& EventList() override { return eventList_; }
    void Create(const MacroEditorRects& rects) override;
    void Destroy() override;
    bool Exist() override { return !eventList_.list.isNull(); }

    // White on black in the language's font, as the logic asks; only a
    // change is applied, since each one repaints the controls.
    void ApplyColors(const ControlColors& colors, const QtFonts& fonts);
    // Every key event for the main window or its controls, before the
    // window filters it: the in-place edit field's own decide when an edit
    // ends.
    void ObserveKey(QWidget* target, const KeyEvent& event);

private:
    class EventListSurface;

    std::function<QWidget*()> parent_;
    std::function<WindowEvents*()> events_;
    QtEdit repeatCount_;
    QtEdit name_;
    QtListBox macroList_;
    QtListBox eventList_;
    std::unique_ptr<EventListSurface> surface_;
    std::unique_ptr<EditableListBox> editing_;
    std::optional<ControlColors> applied_;
};

}  // namespace vx::platform
