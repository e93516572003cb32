// standin: a program the end-to-end tests put where a system program (or a
// planted look-alike) would be. Started, it writes its own full path into
// "<exe path without .exe>.ran" and then waits, as a real program would
// stay open, until it is ended or a minute has passed.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2) return 1;
    std::wstring marker(path, length);
    const std::size_t dot = marker.find_last_of(L'.');
    if (dot != std::wstring::npos && marker.find_first_of(L"\\/", dot) == std::wstring::npos) marker.resize(dot);
    marker += L".ran";
    HANDLE file = CreateFileW(marker.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const int size = WideCharToMultiByte(CP_UTF8, 0, path, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path, static_cast<int>(length), text.data(), size, nullptr, nullptr);
    text += "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    Sleep(60000);
    return 0;
}
