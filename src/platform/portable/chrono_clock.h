#pragma once
// The monotonic clock and sleeping with std::chrono (the Linux program's
// clock, and the real clock of tests that run threads); a pause ends a
// coarse sleep short of its deadline and spins the rest, so macro pauses
// end within microseconds after it.
#include "platform/clock.h"

namespace vx::platform {

class ChronoClock : public Clock {
public:
    std::int64_t NowMicros() override;
    void SleepMs(int ms) override;
    void SleepUntilMicros(std::int64_t deadlineMicros) override;
    std::int32_t UtcTimeOfDayMs() override;
};

}  // namespace vx::platform
