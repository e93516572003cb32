#pragma once
// The macro editor's child controls as Windows controls: two edit fields,
// a list box and the event list, a list box subclassed for in-place
// editing of its selected line.
#include "platform/win32/windows_api.h"

#include <functional>
#include <memory>

#include "platform/controls.h"
#include "platform/portable/editable_list_box.h"

namespace vx::platform {

// The event list tells its parent that an in-place edit ended.
inline constexpr UINT kEventListEditEndedMessage = WM_USER + 10;

class Win32ListBox : public ListBoxControl {
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

    HWND hwnd = nullptr;
};

class Win32Edit : public EditControl {
public:
    std::string Text() override;
    void SetText(const std::string& text) override;
    void Enable(bool enabled) override;
    void Focus() override;

    HWND hwnd = nullptr;
};

class Win32EditorControls : public MacroEditorControls {
public:
    // `parent` answers the main window's handle when the controls are made.
    explicit Win32EditorControls(std::function<HWND()> parent);
    ~Win32EditorControls() override;
    Win32EditorControls(const Win32EditorControls&) = delete;
    Win32EditorControls& operator=(const Win32EditorControls&) = delete;

    EditControl& RepeatCountEdit() override { return repeatCount_; }
    EditControl& MacroNameEdit() override { return name_; }
    ListBoxControl& MacroList() override { return macroList_; }
    ListBoxControl& EventList() override { return eventList_; }
    void Create(const MacroEditorRects& rects) override;
    void Destroy() override;
    bool Exist() override { return eventList_.hwnd != nullptr; }

    // Every key event of the interface thread, before the window filters
    // it: the in-place edit field's own decide when an edit ends.
    void ObserveKey(HWND target, const KeyEvent& event);

private:
    class EventListSurface;

    static LRESULT CALLBACK EventListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EditorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    std::function<HWND()> parent_;
    Win32Edit repeatCount_;
    Win32Edit name_;
    Win32ListBox macroList_;
    Win32ListBox eventList_;
    std::unique_ptr<EventListSurface> surface_;
    std::unique_ptr<EditableListBox> editing_;
    WNDPROC listProc_ = nullptr;
    WNDPROC editorProc_ = nullptr;
};

}  // namespace vx::platform
