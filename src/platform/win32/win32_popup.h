#pragma once
// The skinned popups as Win32 dialogs from their templates: created hidden
// (modeless) or run modally, their messages handed to PopupEvents.
#include "platform/win32/windows_api.h"

#include <memory>

#include "platform/popup.h"

namespace vx::platform {

// A hidden modeless popup owned by `owner`.
std::unique_ptr<PopupWindow> CreateWin32Popup(HINSTANCE instance, PopupTemplate kind, PopupEvents& events, HWND owner);

// The window of a popup made here; null for any other.
HWND HandleOfPopup(PopupWindow& popup);

// Runs the popup modally over `owner` until its events end it.
int RunWin32ModalPopup(HINSTANCE instance, PopupTemplate kind, PopupEvents& events, HWND owner);

}  // namespace vx::platform
