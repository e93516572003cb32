#pragma once
// Waits measured from one starting point, so that the small oversleep of
// every pause does not add up over a macro pass: each wait ends at the
// sum of the nominal pauses so far, never before it.
#include <cstdint>

#include "platform/clock.h"

namespace vx::device {

class DelayPacer {
public:
    explicit DelayPacer(platform::Clock& clock);
    // Returns once `ms` more milliseconds of the schedule have passed.
    void Wait(int ms);

private:
    platform::Clock& clock_;
    std::int64_t deadlineMicros_;
};

}  // namespace vx::device
