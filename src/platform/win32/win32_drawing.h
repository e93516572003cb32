#pragma once
// GDI drawing for the skinned windows: the core's pixel canvas, text drawn
// into it through the window's fonts, one SetDIBitsToDevice to the window.
#include "platform/win32/windows_api.h"

#include <memory>

#include "platform/drawing.h"

namespace vx::platform {

// `target` is the device context of the paint being handled (from
// BeginPaint); `window` gives the client size when no picture gave one.
// The drawing lives for one paint.
std::unique_ptr<Drawing> CreateWin32Drawing(HDC target, HWND window);

}  // namespace vx::platform
