#include "platform/portable/startup_trace.h"

#include <string>

namespace vx::platform {

StartupTrace::StartupTrace(Clock& clock, Diagnostics& sink, std::int64_t entryMicros)
    : clock_(clock), sink_(sink), startMicros_(entryMicros), lastMicros_(entryMicros) {
    sink_.Report("startup 0 us (+0 us): entry");
}

void StartupTrace::Mark(std::string_view step) {
    std::lock_guard lock(mutex_);
    if (finished_) return;
    const std::int64_t now = clock_.NowMicros();
    std::string line = "startup " + std::to_string(now - startMicros_) + " us (+" + std::to_string(now - lastMicros_) +
                       " us): ";
    line.append(step);
    lastMicros_ = now;
    sink_.Report(line);
}

void StartupTrace::Finish(std::string_view step) {
    Mark(step);
    std::lock_guard lock(mutex_);
    finished_ = true;
}

}  // namespace vx::platform
