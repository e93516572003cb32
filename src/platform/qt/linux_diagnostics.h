#pragma once
// Diagnostics on Linux: every line goes to the standard error and, when
// asked for (--diagnostics or VX230_DIAGNOSTICS), to diagnostics.log in
// the user's tree.
#include <cstdio>
#include <mutex>
#include <optional>
#include <string>

#include "platform/diagnostics.h"

namespace vx::platform {

class LinuxDiagnostics final : public Diagnostics {
public:
    explicit LinuxDiagnostics(std::optional<std::string> logPath);
    ~LinuxDiagnostics() override;
    LinuxDiagnostics(const LinuxDiagnostics&) = delete;
    LinuxDiagnostics& operator=(const LinuxDiagnostics&) = delete;

    void Report(std::string_view line) override;

private:
    std::mutex mutex_;
    std::FILE* file_ = nullptr;
};

}  // namespace vx::platform
