#include "platform/win32/win32_process.h"

#include "platform/win32/windows_api.h"

#include <commctrl.h>

#include "platform/win32/text_convert.h"

namespace vx::platform {

std::string ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        // Cut to the buffer: try again with a larger one.
        path.resize(path.size() * 2);
    }
}

bool Win32Process::CreateSingleInstanceLock(const std::string& name) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, Widen(name).c_str());
    const DWORD error = GetLastError();
    lock_ = mutex;
    return !(mutex != nullptr && error == ERROR_ALREADY_EXISTS);
}

void Win32Process::CloseSingleInstanceLock() {
    if (lock_ != nullptr) CloseHandle(static_cast<HANDLE>(lock_));
    lock_ = nullptr;
}

bool Win32Process::RestoreWindowByTitle(const std::string& title) {
    HWND window = FindWindowW(nullptr, Widen(title).c_str());
    if (window == nullptr) return false;
    ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    return true;
}

void Win32Process::InitCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
}

void Win32Process::ServeControlRequests(ControlAnswerer answer) {
    if (controlPipe_ || !post_ || diagnostics_ == nullptr) return;
    controlPipe_ = std::make_unique<ControlPipeServer>(post_, *diagnostics_, std::move(answer));
    controlPipe_->Start();
}

std::string Win32Process::ModuleFileName() { return ModulePath(); }

}  // namespace vx::platform
