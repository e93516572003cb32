#include "platform/win32/win32_controls.h"

#include <vector>

#include "platform/win32/text_convert.h"

namespace vx::platform {
namespace {

// The in-place editor reports to its list (commit when wParam is not 0).
constexpr UINT kEndEditMessage = WM_APP + 0x841;
constexpr int kEditorControlId = 1;

std::wstring WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

HWND CreateChild(const wchar_t* className, DWORD style, const Rect& rect, HWND parent, int id) {
    return CreateWindowExW(0, className, L"", style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int Win32ListBox::LineCount() {
    if (hwnd == nullptr) return 0;
    const LRESULT count = SendMessageW(hwnd, LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string Win32ListBox::LineText(int line) {
    if (hwnd == nullptr || line < 0) return {};
    const LRESULT length = SendMessageW(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(line), 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(hwnd, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return Narrow(text);
}

void Win32ListBox::AddLine(const std::string& text) {
    if (hwnd != nullptr) SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void Win32ListBox::DeleteLine(int line) {
    if (hwnd != nullptr && line >= 0) SendMessageW(hwnd, LB_DELETESTRING, static_cast<WPARAM>(line), 0);
}

int Win32ListBox::SelectedLine() {
    if (hwnd == nullptr) return -1;
    const LRESULT selected = SendMessageW(hwnd, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

void Win32ListBox::SelectLine(int line) {
    if (hwnd != nullptr) SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
}

void Win32ListBox::SetRedraw(bool on) {
    if (hwnd == nullptr) return;
    SendMessageW(hwnd, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    // Turning drawing back on does not repaint what changed meanwhile.
    if (on) InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32ListBox::Focus() {
    if (hwnd != nullptr) SetFocus(hwnd);
}

int Win32ListBox::TopLine() {
    return hwnd == nullptr ? 0 : static_cast<int>(SendMessageW(hwnd, LB_GETTOPINDEX, 0, 0));
}

int Win32ListBox::LineHeight() {
    if (hwnd == nullptr) return 0;
    const LRESULT height = SendMessageW(hwnd, LB_GETITEMHEIGHT, 0, 0);
    return height == LB_ERR ? 0 : static_cast<int>(height);
}

Rect Win32ListBox::ScreenClientRect() {
    if (hwnd == nullptr) return {};
    RECT client{};
    GetClientRect(hwnd, &client);
    POINT corners[2]{{client.left, client.top}, {client.right, client.bottom}};
    MapWindowPoints(hwnd, nullptr, corners, 2);
    return Rect{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void Win32ListBox::SendCharacter(int code) {
    if (hwnd != nullptr) SendMessageW(hwnd, WM_CHAR, static_cast<WPARAM>(code), 0);
}

std::string Win32Edit::Text() { return hwnd == nullptr ? std::string() : Narrow(WindowText(hwnd)); }

void Win32Edit::SetText(const std::string& text) {
    if (hwnd != nullptr) SetWindowTextW(hwnd, Widen(text).c_str());
}

void Win32Edit::Enable(bool enabled) {
    if (hwnd != nullptr) EnableWindow(hwnd, enabled ? TRUE : FALSE);
}

void Win32Edit::Focus() {
    if (hwnd != nullptr) SetFocus(hwnd);
}

// The event list and its edit field, for the in-place editing.
class Win32EditorControls::EventListSurface : public ListEditSurface {
public:
    EventListSurface(Win32ListBox& list, WNDPROC& editorProc) : list_(list), editorProc_(editorProc) {}

    int SelectedLine() override { return list_.SelectedLine(); }
    Rect LineRect(int line) override {
        RECT r{};
        SendMessageW(list_.hwnd, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&r));
        return Rect{r.left, r.top, r.right, r.bottom};
    }
    std::string LineText(int line) override { return list_.LineText(line); }
    void ReplaceLine(int line, const std::string& text) override {
        SendMessageW(list_.hwnd, LB_DELETESTRING, static_cast<WPARAM>(line), 0);
        SendMessageW(list_.hwnd, LB_INSERTSTRING, static_cast<WPARAM>(line),
                     reinterpret_cast<LPARAM>(Widen(text).c_str()));
        SendMessageW(list_.hwnd, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    }
    void OpenEditor(const Rect& rect, const std::string& text) override {
        editor_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect.left,
                                  rect.top, rect.right - rect.left, rect.bottom - rect.top, list_.hwnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditorControlId)),
                                  GetModuleHandleW(nullptr), nullptr);
        if (editor_ == nullptr) return;
        SetWindowLongPtrW(editor_, GWL_EXSTYLE, GetWindowLongPtrW(editor_, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        SetWindowPos(editor_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        SendMessageW(editor_, WM_SETFONT, static_cast<WPARAM>(SendMessageW(list_.hwnd, WM_GETFONT, 0, 0)), TRUE);
        editorProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(editor_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32EditorControls::EditorProc)));
        SetWindowTextW(editor_, Widen(text).c_str());
        SendMessageW(editor_, EM_SETSEL, 0, -1);
        SetFocus(editor_);
    }
    bool EditorOpen() override { return editor_ != nullptr; }
    bool IsEditor(HWND hwnd) const { return hwnd != nullptr && hwnd == editor_; }
    std::string EditorText() override { return Narrow(WindowText(editor_)); }
    void CloseEditor() override {
        HWND editor = editor_;
        editor_ = nullptr;
        DestroyWindow(editor);
    }
    void NotifyEditEnded() override {
        SendMessageW(GetParent(list_.hwnd), kEventListEditEndedMessage, 0, 0);
    }
    // The list went away with its children.
    void Forget() { editor_ = nullptr; }

private:
    Win32ListBox& list_;
    WNDPROC& editorProc_;
    HWND editor_ = nullptr;
};

Win32EditorControls::Win32EditorControls(std::function<HWND()> parent)
    : parent_(std::move(parent)),
      surface_(std::make_unique<EventListSurface>(eventList_, editorProc_)),
      editing_(std::make_unique<EditableListBox>(*surface_)) {}

Win32EditorControls::~Win32EditorControls() { Destroy(); }

void Win32EditorControls::Create(const MacroEditorRects& rects) {
    HWND parent = parent_();
    if (parent == nullptr || Exist()) return;
    constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | ES_CENTER | ES_WANTRETURN;
    constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY;
    repeatCount_.hwnd = CreateChild(L"EDIT", kEditStyle, rects.repeatCount, parent, kRepeatCountEditId);
    name_.hwnd = CreateChild(L"EDIT", kEditStyle, rects.name, parent, kMacroNameEditId);
    macroList_.hwnd = CreateChild(L"LISTBOX", kListStyle, rects.macroList, parent, kMacroListId);
    eventList_.hwnd = CreateChild(L"LISTBOX", kListStyle, rects.eventList, parent, kEventListId);
    if (eventList_.hwnd != nullptr) {
        SetWindowLongPtrW(eventList_.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        listProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(eventList_.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EventListProc)));
    }
}

void Win32EditorControls::ObserveKey(HWND target, const KeyEvent& event) {
    if (surface_->IsEditor(target)) editing_->OnEditorKey(event);
}

void Win32EditorControls::Destroy() {
    for (HWND* hwnd : {&repeatCount_.hwnd, &name_.hwnd, &macroList_.hwnd, &eventList_.hwnd}) {
        HWND window = *hwnd;
        *hwnd = nullptr;
        if (window != nullptr) DestroyWindow(window);
    }
    surface_->Forget();
}

LRESULT CALLBACK Win32EditorControls::EventListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32EditorControls*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const WNDPROC base = self->listProc_;
    switch (msg) {
        case WM_CHAR: self->editing_->OnCharacter(static_cast<unsigned>(wParam)); break;
        case kEndEditMessage: self->editing_->EndEdit(wParam != 0); return 0;
        case WM_SIZE: {
            const LRESULT result = CallWindowProcW(base, hwnd, msg, wParam, lParam);
            self->editing_->OnResizedOrScrolled();
            return result;
        }
        // The edit field would stand over the wrong line once the list moves.
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_MOUSEWHEEL: self->editing_->OnResizedOrScrolled(); break;
        default: break;
    }
    return CallWindowProcW(base, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK Win32EditorControls::EditorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND list = GetParent(hwnd);
    auto* self = reinterpret_cast<Win32EditorControls*>(GetWindowLongPtrW(list, GWLP_USERDATA));
    const WNDPROC base = self->editorProc_;
    if (msg == WM_KILLFOCUS) SendMessageW(list, kEndEditMessage, 1, 0);
    // Ending the edit destroys the field: nothing is left to pass the key to.
    if (!IsWindow(hwnd)) return 0;
    return CallWindowProcW(base, hwnd, msg, wParam, lParam);
}

}  // namespace vx::platform
