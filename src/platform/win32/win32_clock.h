#pragma once
// Performance-counter time, millisecond-accurate sleeping and the UTC time
// of day.
#include <mutex>

#include "platform/clock.h"

namespace vx::platform {

class Win32Clock final : public Clock {
public:
    Win32Clock();
    ~Win32Clock() override;
    Win32Clock(const Win32Clock&) = delete;
    Win32Clock& operator=(const Win32Clock&) = delete;

    std::int64_t NowMicros() override;
    void SleepMs(int ms) override;
    // The high-resolution timer to just before the deadline, then a short
    // spin: a pause ends within a few tens of microseconds after it.
    void SleepUntilMicros(std::int64_t deadlineMicros) override;
    std::int32_t UtcTimeOfDayMs() override;

private:
    void RaiseTimerResolution();

    std::int64_t frequency_ = 1;
    std::once_flag resolutionOnce_;
    bool resolutionRaised_ = false;
};

}  // namespace vx::platform
