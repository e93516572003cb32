#pragma once
// The common open and save dialogs, as the main window runs them.
#include <string>
#include <utility>

namespace vx::platform {

enum class FileDialogMode { Open, Save };

struct FileDialogSpec {
    FileDialogMode mode = FileDialogMode::Open;
    // Pipe-separated pairs of shown name and pattern, ending in "||".
    std::string filter;
    // Appended (after a dot) to a typed name without an extension; empty
    // for none.
    std::string defaultExtension;
    std::string initialDirectory;
    // The save dialog asks before replacing an existing file.
    bool confirmOverwrite = false;
};

// The dialogs that exchange one kind of file with a place of the user's
// choice: `filter` in both, starting in `folder`; saving adds `extension`
// to a typed name without one and asks before replacing a file.
inline FileDialogSpec ExchangeDialogSpec(FileDialogMode mode, std::string filter, std::string extension,
                                         std::string folder) {
    FileDialogSpec dialog;
    dialog.mode = mode;
    dialog.filter = std::move(filter);
    dialog.initialDirectory = std::move(folder);
    if (mode == FileDialogMode::Save) {
        dialog.defaultExtension = std::move(extension);
        dialog.confirmOverwrite = true;
    }
    return dialog;
}

}  // namespace vx::platform
