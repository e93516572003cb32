#pragma once
// Diagnostics on Windows: every line goes to the debugger output
// (OutputDebugStringW) and, when asked for, to a log file.
#include <mutex>
#include <optional>
#include <string>

#include "platform/diagnostics.h"

namespace vx::platform {

// The log file beside the exe, "diagnostics.log", is written when the
// command line has the argument --diagnostics (`onCommandLine`) or the
// environment variable VX230_DIAGNOSTICS is set to a non-empty value;
// otherwise nothing is.
bool DiagnosticsLogRequested(bool onCommandLine);

class Win32Diagnostics final : public Diagnostics {
public:
    // `logPath` (UTF-8): the file to append to, or nothing for no file.
    explicit Win32Diagnostics(std::optional<std::string> logPath);
    ~Win32Diagnostics() override;
    Win32Diagnostics(const Win32Diagnostics&) = delete;
    Win32Diagnostics& operator=(const Win32Diagnostics&) = delete;

    void Report(std::string_view line) override;

private:
    std::mutex mutex_;
    void* file_ = nullptr;  // HANDLE of the log file, or null
};

}  // namespace vx::platform
