#pragma once
// A clock that never waits: sleeping advances a virtual time and is
// recorded, so tests see exactly which pauses the code asked for.
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/clock.h"

namespace vx::platform::testing {

class FakeClock : public Clock {
public:
    std::int64_t NowMicros() override {
        std::lock_guard lock(mutex_);
        return nowMicros_;
    }
    void SleepMs(int ms) override {
        std::lock_guard lock(mutex_);
        sleeps_.push_back(ms);
        if (ms > 0) nowMicros_ += static_cast<std::int64_t>(ms) * 1000;
    }
    void AdvanceMicros(std::int64_t micros) {
        std::lock_guard lock(mutex_);
        nowMicros_ += micros;
    }
    std::vector<int> Sleeps() const {
        std::lock_guard lock(mutex_);
        return sleeps_;
    }
    void ClearSleeps() {
        std::lock_guard lock(mutex_);
        sleeps_.clear();
    }

private:
    mutable std::mutex mutex_;
    std::int64_t nowMicros_ = 0;
    std::vector<int> sleeps_;
};

}  // namespace vx::platform::testing
