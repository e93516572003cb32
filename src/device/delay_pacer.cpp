#include "device/delay_pacer.h"

#include <algorithm>

namespace vx::device {

namespace {
// How far behind the schedule a wait may catch up. Millisecond rounding
// plus sleep overshoot stays below this; a longer stall (a slow report
// write) moves the schedule instead of shortening the next pause by all
// of it.
constexpr std::int64_t kMaxCatchUpMicros = 2000;
}  // namespace

DelayPacer::DelayPacer(platform::Clock& clock) : clock_(clock), deadlineMicros_(clock.NowMicros()) {}

void DelayPacer::Wait(int ms) {
    const std::int64_t pause = static_cast<std::int64_t>(ms) * 1000;
    const std::int64_t now = clock_.NowMicros();
    deadlineMicros_ = std::max(deadlineMicros_ + pause, now + pause - kMaxCatchUpMicros);
    // Whole milliseconds rounded up: the wait never ends before the
    // deadline.
    for (std::int64_t left = deadlineMicros_ - clock_.NowMicros(); left > 0;
         left = deadlineMicros_ - clock_.NowMicros()) {
        clock_.SleepMs(static_cast<int>((left + 999) / 1000));
    }
}

}  // namespace vx::device
