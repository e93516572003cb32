#pragma once
// Clocks for tests. FakeClock never waits: sleeping advances a virtual time
// and is recorded, so tests see exactly which pauses the code asked for,
// and test code can be set to run once the time passes a given point.
// SteadyClock is the real monotonic clock, for tests that run threads for
// real.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/portable/chrono_clock.h"
#include "platform/testing/call_log.h"

namespace vx::platform::testing {

class FakeClock : public Clock {
public:
    FakeClock() = default;
    // Each sleep also goes into the log as "Sleep:<ms>".
    explicit FakeClock(CallLog& log) : log_(&log) {}

    // Every sleep lasts this much longer than asked, as a real one
    // overshoots.
    std::atomic<std::int64_t> oversleepMicros{0};

    std::int64_t NowMicros() override {
        std::lock_guard lock(mutex_);
        return nowMicros_;
    }
    // Runs the actions whose time has come, one at a time, after the time
    // has moved on, and outside the lock so that they may use the clock.
    void SleepMs(int ms) override {
        {
            std::lock_guard lock(mutex_);
            sleeps_.push_back(ms);
            nowMicros_ += static_cast<std::int64_t>(std::max(ms, 0)) * 1000 + oversleepMicros;
        }
        if (log_ != nullptr) log_->Add("Sleep:" + std::to_string(ms));
        while (std::function<void()> action = NextDueAction()) action();
    }

    // What UtcTimeOfDayMs answers (milliseconds since midnight UTC).
    std::atomic<std::int32_t> utcTimeOfDayMs{0};
    std::int32_t UtcTimeOfDayMs() override { return utcTimeOfDayMs; }

    void AdvanceMicros(std::int64_t micros) {
        std::lock_guard lock(mutex_);
        nowMicros_ += micros;
    }
    // Runs `action` during the first sleep that reaches `micros`. Actions
    // must be added in time order.
    void At(std::int64_t micros, std::function<void()> action) {
        std::lock_guard lock(mutex_);
        actions_.emplace_back(micros, std::move(action));
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
    std::function<void()> NextDueAction() {
        std::lock_guard lock(mutex_);
        if (actions_.empty() || actions_.front().first > nowMicros_) return {};
        std::function<void()> action = std::move(actions_.front().second);
        actions_.erase(actions_.begin());
        return action;
    }

    CallLog* log_ = nullptr;
    mutable std::mutex mutex_;
    std::int64_t nowMicros_ = 0;
    std::vector<int> sleeps_;
    std::vector<std::pair<std::int64_t, std::function<void()>>> actions_;
};

using SteadyClock = ChronoClock;

}  // namespace vx::platform::testing
