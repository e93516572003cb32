#include "platform/qt/linux_diagnostics.h"

#include <sys/time.h>

#include <ctime>

#include "platform/product.h"

namespace vx::platform {

LinuxDiagnostics::LinuxDiagnostics(std::optional<std::string> logPath) {
    // Without the file the lines still reach the standard error.
    if (logPath) file_ = std::fopen(logPath->c_str(), "a");
}

LinuxDiagnostics::~LinuxDiagnostics() {
    if (file_ != nullptr) std::fclose(file_);
}

void LinuxDiagnostics::Report(std::string_view line) {
    std::lock_guard lock(mutex_);
    std::fprintf(stderr, "%s: %.*s\n", product::kProgramName, static_cast<int>(line.size()), line.data());
    if (file_ == nullptr) return;
    timeval now{};
    gettimeofday(&now, nullptr);
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::fprintf(file_, "%s.%03ld %.*s\n", stamp, static_cast<long>(now.tv_usec / 1000), static_cast<int>(line.size()),
                 line.data());
    std::fflush(file_);
}

}  // namespace vx::platform
