#include "platform/win32/win32_repainter.h"

namespace vx::platform {

void Win32Repainter::InvalidateAll() {
    if (HWND hwnd = window_()) InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32Repainter::InvalidateRegion(const Region& region) {
    HWND hwnd = window_();
    if (hwnd == nullptr) return;
    HRGN combined = CreateRectRgn(0, 0, 0, 0);
    for (const Rect& r : region.rects) {
        HRGN part = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        CombineRgn(combined, combined, part, RGN_OR);
        DeleteObject(part);
    }
    InvalidateRgn(hwnd, combined, TRUE);
    DeleteObject(combined);
}

void Win32Repainter::UpdateNow() {
    if (HWND hwnd = window_()) UpdateWindow(hwnd);
}

}  // namespace vx::platform
