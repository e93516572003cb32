#pragma once
// The start-up trace: one diagnostics line per start-up step, stamped in
// microseconds from the entry, so the time to the shown window can be
// taken apart. Kept only when the diagnostics log is on (--diagnostics).
#include <cstdint>
#include <mutex>
#include <string_view>

#include "platform/clock.h"
#include "platform/diagnostics.h"

namespace vx::platform {

class StartupTrace {
public:
    // `entryMicros` (the clock's time at the entry) is zero.
    StartupTrace(Clock& clock, Diagnostics& sink, std::int64_t entryMicros);
    // "startup <us since the entry> us (+<us since the last step>): <step>";
    // nothing once Finish ran.
    void Mark(std::string_view step);
    // Marks `step` as the last one (the window's first paint, or the end of
    // a hidden start).
    void Finish(std::string_view step);

private:
    Clock& clock_;
    Diagnostics& sink_;
    std::mutex mutex_;
    const std::int64_t startMicros_;
    std::int64_t lastMicros_;
    bool finished_ = false;
};

// Marks a step when there is a trace.
inline void TraceStartup(StartupTrace* trace, std::string_view step) {
    if (trace != nullptr) trace->Mark(step);
}

}  // namespace vx::platform
