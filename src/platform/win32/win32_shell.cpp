#include "platform/win32/win32_shell.h"

#include "platform/win32/windows_api.h"

#include <shellapi.h>

#include "platform/win32/text_convert.h"

namespace vx::platform {
namespace {

// WinExec takes the command line in the ANSI code page.
std::string ToAnsi(const std::string& utf8) {
    std::wstring wide = Widen(utf8);
    if (wide.empty()) return {};
    int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), size, nullptr, nullptr);
    return ansi;
}

}  // namespace

bool Win32Shell::StartProgram(const std::string& commandLine) {
    std::string ansi = ToAnsi(commandLine);
    if (ansi.empty()) return false;
    return WinExec(ansi.c_str(), SW_SHOW) > 31;
}

bool Win32Shell::OpenDocument(const std::string& urlOrPath) {
    HINSTANCE result = ShellExecuteW(nullptr, L"open", Widen(urlOrPath).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace vx::platform
