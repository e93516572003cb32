#include "platform/win32/win32_popup.h"

#include "platform/win32/text_convert.h"
#include "platform/win32/win32_input.h"
#include "platform/win32/win32_drawing.h"
#include "platform/win32/win32_region.h"

namespace vx::platform {

namespace {

// Client coordinates of a mouse message, signed.
Point PointOf(LPARAM lParam) { return Point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

class Win32Popup final : public PopupWindow {
public:
    Win32Popup(PopupEvents& events, bool modal) : events_(events), modal_(modal) {}
    ~Win32Popup() override {
        if (!modal_ && hwnd_ != nullptr) DestroyWindow(hwnd_);
    }
    Win32Popup(const Win32Popup&) = delete;
    Win32Popup& operator=(const Win32Popup&) = delete;

    void Place(const Rect& r) override {
        if (hwnd_ != nullptr) {
            SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    void SetTitle(const std::string& title) override {
        if (hwnd_ != nullptr) SetWindowTextW(hwnd_, Widen(title).c_str());
    }
    void SetShape(const Region& region) override {
        if (hwnd_ == nullptr) return;
        HRGN shape = CreateRegionFromRects(region);
        if (shape == nullptr) return;
        // The window owns the region from here on.
        if (SetWindowRgn(hwnd_, shape, TRUE) == 0) DeleteObject(shape);
    }
    void Show() override {
        if (hwnd_ != nullptr) ShowWindow(hwnd_, SW_SHOW);
    }
    void Hide() override {
        if (hwnd_ != nullptr) ShowWindow(hwnd_, SW_HIDE);
    }
    void Invalidate() override {
        if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, TRUE);
    }
    Rect ScreenRect() override {
        RECT r{};
        if (hwnd_ != nullptr) GetWindowRect(hwnd_, &r);
        return Rect{r.left, r.top, r.right, r.bottom};
    }
    HWND Hwnd() const { return hwnd_; }
    void EndModal(int result) override {
        if (modal_ && hwnd_ != nullptr) EndDialog(hwnd_, result);
    }

    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_INITDIALOG) {
            SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
            reinterpret_cast<Win32Popup*>(lParam)->hwnd_ = hwnd;
        }
        auto* self = reinterpret_cast<Win32Popup*>(GetWindowLongPtrW(hwnd, DWLP_USER));
        return self == nullptr ? FALSE : self->Handle(hwnd, msg, wParam, lParam);
    }

private:
    INT_PTR Handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        switch (msg) {
            case WM_INITDIALOG: events_.OnInit(*this); return FALSE;
            case WM_MOUSEMOVE:
            case WM_LBUTTONUP: events_.OnPointer(*PointerEventOf(msg, PointOf(lParam))); return TRUE;
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK: events_.OnPointer(*PointerEventOf(msg, PointOf(lParam))); return FALSE;
            case WM_PAINT: {
                PAINTSTRUCT paint{};
                HDC dc = BeginPaint(hwnd, &paint);
                if (std::unique_ptr<Drawing> drawing = CreateWin32Drawing(dc, hwnd)) events_.OnPaint(*drawing);
                EndPaint(hwnd, &paint);
                return TRUE;
            }
            case WM_ERASEBKGND:
                // The paint covers the window; no background flashes first.
                SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, TRUE);
                return TRUE;
            case WM_COMMAND:
                // Escape arrives as IDCANCEL; Enter (IDOK) does nothing.
                if (LOWORD(wParam) == IDCANCEL) events_.OnCancelKey();
                return TRUE;
            case WM_CLOSE: events_.OnCloseRequest(); return TRUE;
            case WM_DESTROY: hwnd_ = nullptr; return FALSE;
            default: return FALSE;
        }
    }

    PopupEvents& events_;
    const bool modal_;
    HWND hwnd_ = nullptr;
};

}  // namespace

HWND HandleOfPopup(PopupWindow& popup) {
    auto* own = dynamic_cast<Win32Popup*>(&popup);
    return own != nullptr ? own->Hwnd() : nullptr;
}

std::unique_ptr<PopupWindow> CreateWin32Popup(HINSTANCE instance, PopupTemplate kind, PopupEvents& events, HWND owner) {
    auto popup = std::make_unique<Win32Popup>(events, false);
    const HWND hwnd = CreateDialogParamW(instance, MAKEINTRESOURCEW(static_cast<int>(kind)), owner, Win32Popup::Proc,
                                         reinterpret_cast<LPARAM>(popup.get()));
    if (hwnd == nullptr) return nullptr;
    return popup;
}

int RunWin32ModalPopup(HINSTANCE instance, PopupTemplate kind, PopupEvents& events, HWND owner) {
    Win32Popup popup(events, true);
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(static_cast<int>(kind)), owner, Win32Popup::Proc,
                                           reinterpret_cast<LPARAM>(&popup));
    return static_cast<int>(result);
}

}  // namespace vx::platform
