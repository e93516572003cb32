#include "platform/win32/win32_shell.h"

#include "platform/win32/windows_api.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/win32/text_convert.h"

namespace vx::platform {
namespace {

const wchar_t* ProgramFileName(SystemProgram program) {
    return program == SystemProgram::Calculator ? L"calc.exe" : L"cmd.exe";
}

// The program is taken from the system folder by its full path: a search
// would look in the program's own folder first, which a per-user install
// leaves writable, so a file planted there would run.
std::wstring SystemProgramPath(const std::wstring& fileName) {
    std::vector<wchar_t> folder(MAX_PATH + 1);
    const UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length == 0 || length >= folder.size()) return {};
    return std::wstring(folder.data(), length) + L"\\" + fileName;
}

}  // namespace

bool Win32Shell::StartProgram(SystemProgram systemProgram) {
    const std::wstring program = SystemProgramPath(ProgramFileName(systemProgram));
    if (program.empty()) return false;
    std::wstring arguments = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), arguments.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &started)) {
        return false;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

bool Win32Shell::OpenDocument(const std::string& urlOrPath) {
    HINSTANCE result = ShellExecuteW(nullptr, L"open", Widen(urlOrPath).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace vx::platform
