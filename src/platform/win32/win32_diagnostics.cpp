#include "platform/win32/win32_diagnostics.h"

#include "platform/win32/windows_api.h"

#include <cstdio>

#include "platform/product.h"
#include "platform/win32/text_convert.h"

namespace vx::platform {

bool DiagnosticsLogRequested(bool onCommandLine) {
    if (onCommandLine) return true;
    wchar_t value[8] = {};
    return GetEnvironmentVariableW(L"VX230_DIAGNOSTICS", value, 8) > 0;
}

Win32Diagnostics::Win32Diagnostics(std::optional<std::string> logPath) {
    if (!logPath) return;
    HANDLE file = CreateFileW(Widen(*logPath).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    // Without the file the lines still reach the debugger output.
    if (file != INVALID_HANDLE_VALUE) file_ = file;
}

Win32Diagnostics::~Win32Diagnostics() {
    if (file_ != nullptr) CloseHandle(static_cast<HANDLE>(file_));
}

void Win32Diagnostics::Report(std::string_view line) {
    const std::wstring wide = Widen(product::kProgramName) + L": " + Widen(line) + L"\n";
    OutputDebugStringW(wide.c_str());
    if (file_ == nullptr) return;

    SYSTEMTIME now{};
    GetLocalTime(&now);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u.%03u ", now.wYear, now.wMonth, now.wDay,
                  now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
    std::string text = stamp;
    text.append(line).append("\r\n");
    std::lock_guard lock(mutex_);
    DWORD written = 0;
    // Nowhere left to report a failed log write: it is dropped.
    WriteFile(static_cast<HANDLE>(file_), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace vx::platform
