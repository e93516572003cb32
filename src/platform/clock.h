#pragma once
// Monotonic time and sleeping, behind an interface so that the worker loops
// can also be stepped by a scripted clock without real waiting.
#include <cstdint>

namespace vx::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic time in microseconds since an arbitrary start.
    virtual std::int64_t NowMicros() = 0;
    // Sleeps at least `ms` milliseconds, with about a millisecond of accuracy.
    virtual void SleepMs(int ms) = 0;
    // Returns once NowMicros() has reached `deadlineMicros`, never before.
    // This plain form sleeps whole milliseconds; a backend with a finer
    // timer ends closer to the deadline.
    virtual void SleepUntilMicros(std::int64_t deadlineMicros) {
        for (std::int64_t left = deadlineMicros - NowMicros(); left > 0; left = deadlineMicros - NowMicros()) {
            SleepMs(static_cast<int>((left + 999) / 1000));
        }
    }
    // Milliseconds since midnight UTC by the system's calendar clock.
    virtual std::int32_t UtcTimeOfDayMs() = 0;
};

}  // namespace vx::platform
