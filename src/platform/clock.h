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
};

}  // namespace vx::platform
