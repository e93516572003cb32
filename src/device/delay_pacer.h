#pragma once
// The pauses of a macro: each one lasts at least its nominal time measured
// from the report before it. How close to the nominal time it ends is the
// clock's business (a fine timer, then a short spin).
#include "platform/clock.h"

namespace vx::device {

class DelayPacer {
public:
    explicit DelayPacer(platform::Clock& clock) : clock_(clock) {}
    // Returns once `ms` milliseconds have passed since the call; never
    // earlier.
    void Wait(int ms) {
        if (ms > 0) clock_.SleepUntilMicros(clock_.NowMicros() + static_cast<long long>(ms) * 1000);
    }

private:
    platform::Clock& clock_;
};

}  // namespace vx::device
