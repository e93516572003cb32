#include "platform/portable/chrono_clock.h"

#include <chrono>
#include <thread>

namespace vx::platform {

std::int64_t ChronoClock::NowMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void ChronoClock::SleepMs(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void ChronoClock::SleepUntilMicros(std::int64_t deadlineMicros) {
    // A sleep can end a scheduler tick late; the spin takes the rest, and a
    // yield there could give away a whole time slice.
    constexpr std::int64_t kSpinMicros = 1500;
    if (const std::int64_t left = deadlineMicros - NowMicros(); left > kSpinMicros) {
        std::this_thread::sleep_for(std::chrono::microseconds(left - kSpinMicros));
    }
    while (NowMicros() < deadlineMicros) {}
}

std::int32_t ChronoClock::UtcTimeOfDayMs() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::int32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count() % 86'400'000);
}

}  // namespace vx::platform
