#pragma once
// The program's command-line arguments. Only whole words count: an
// argument that merely contains "--tray" is not --tray. Anything unknown is
// ignored (and listed, so it can be put on record): a shortcut or a script
// with a stray argument must still start the driver.
#include <string>
#include <string_view>
#include <vector>

namespace vx::platform {

struct StartOptions {
    bool trayOnly = false;        // --tray: only the tray icon at start
    bool diagnosticsLog = false;  // --diagnostics: diagnostics.log beside the exe
    // Unknown arguments, quoted, as printable text cut to 40 characters.
    std::vector<std::string> ignored;
};

// `arguments` is the command line after the program's name (UTF-8), split
// as Windows programs do: at spaces and tabs outside double quotes.
// Options are matched without regard to ASCII case.
StartOptions ParseStartOptions(std::string_view arguments);
// The same for arguments already split into words (a C `argv`).
StartOptions ParseStartOptions(const std::vector<std::string>& words);

}  // namespace vx::platform
