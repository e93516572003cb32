#pragma once
// A foreground watch for tests: the test brings programs to the front, and
// the pending call runs once the fake clock has passed its time (Run).
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/foreground_watch.h"
#include "platform/testing/fake_clock.h"

namespace vx::platform::testing {

class FakeForegroundWatch : public ForegroundWatch {
public:
    explicit FakeForegroundWatch(FakeClock& clock) : clock_(clock) {}

    bool refuse = false;
    ForegroundReach reach = ForegroundReach::EveryProgram;
    std::vector<ForegroundProgram> running;
    int starts = 0;

    ForegroundReach Reach() override { return reach; }
    bool Start(std::function<void(const ForegroundProgram&)> changed) override {
        if (refuse) return false;
        ++starts;
        changed_ = std::move(changed);
        return true;
    }
    void Stop() override { changed_ = nullptr; }
    bool Running() override { return static_cast<bool>(changed_); }
    void CallAfter(int ms, std::function<void()> due) override {
        dueAtMicros_ = clock_.NowMicros() + std::int64_t{ms} * 1000;
        due_ = std::move(due);
    }
    void CancelCall() override { due_ = nullptr; }
    std::vector<ForegroundProgram> RunningPrograms() override { return running; }

    // A window of `program` comes to the front (nothing while not watching).
    void BringToFront(const ForegroundProgram& program) {
        if (changed_) changed_(program);
    }
    // Moves the clock on by `ms`, running the pending calls that come due.
    void Advance(int ms) {
        const std::int64_t end = clock_.NowMicros() + std::int64_t{ms} * 1000;
        while (due_ && dueAtMicros_ <= end) {
            clock_.AdvanceMicros(dueAtMicros_ - clock_.NowMicros());
            std::function<void()> due = std::move(due_);
            due_ = nullptr;
            due();
        }
        clock_.AdvanceMicros(end - clock_.NowMicros());
    }
    bool CallPending() const { return static_cast<bool>(due_); }

private:
    FakeClock& clock_;
    std::function<void(const ForegroundProgram&)> changed_;
    std::function<void()> due_;
    std::int64_t dueAtMicros_ = 0;
};

}  // namespace vx::platform::testing
