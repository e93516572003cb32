#pragma once
// The common open and save dialogs, as the main window runs them.
#include <string>

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

}  // namespace vx::platform
