#pragma once
// The common open and save dialogs (GetOpenFileNameW / GetSaveFileNameW).
#include <optional>
#include <string>

#include "platform/file_dialog.h"

namespace vx::platform {

// Runs the dialog modally, owned by `owner` (an HWND, or null); the chosen
// file's full path as UTF-8, or nothing when cancelled.
std::optional<std::string> RunFileDialog(void* owner, const FileDialogSpec& request);

}  // namespace vx::platform
