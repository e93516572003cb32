#include "platform/win32/win32_file_dialog.h"

#include "platform/win32/windows_api.h"

#include <commdlg.h>

#include <vector>

#include "platform/win32/text_convert.h"

namespace vx::platform {

namespace {
// Long enough for any path the shell hands back.
constexpr DWORD kPathCapacity = 32768;
}  // namespace

std::optional<std::string> RunFileDialog(void* owner, const FileDialogSpec& request) {
    // "Name|pattern||" becomes the double-NUL-terminated list the dialog wants.
    std::wstring filter = Widen(request.filter);
    for (wchar_t& c : filter) {
        if (c == L'|') c = L'\0';
    }
    filter.push_back(L'\0');
    const std::wstring initialDirectory = Widen(request.initialDirectory);
    const std::wstring defaultExtension = Widen(request.defaultExtension);
    std::vector<wchar_t> path(kPathCapacity, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = static_cast<HWND>(owner);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathCapacity;
    dialog.lpstrInitialDir = initialDirectory.empty() ? nullptr : initialDirectory.c_str();
    dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (request.confirmOverwrite) dialog.Flags |= OFN_OVERWRITEPROMPT;

    const BOOL chosen = request.mode == FileDialogMode::Save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) return std::nullopt;
    return Narrow(path.data());
}

}  // namespace vx::platform
