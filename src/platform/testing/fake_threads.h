#pragma once
// Threads for tests. By default a started body is only recorded and never
// runs, so the logic can be tested on the test's own thread; with
// startForReal each body runs on a thread of its own that JoinAll (or the
// destructor) joins.
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "platform/testing/call_log.h"
#include "platform/threads.h"

namespace vx::platform::testing {

class FakeThreads : public Threads {
public:
    FakeThreads() = default;
    // Each start also goes into the log as "StartThread".
    explicit FakeThreads(CallLog& log) : log_(&log) {}
    ~FakeThreads() override { JoinAll(); }
    FakeThreads(const FakeThreads&) = delete;
    FakeThreads& operator=(const FakeThreads&) = delete;

    // Set before the logic starts its threads.
    bool startForReal = false;

    void Start(std::function<void()> body, ThreadPriority priority) override {
        if (log_ != nullptr) log_->Add("StartThread");
        std::lock_guard lock(mutex_);
        priorities_.push_back(priority);
        if (startForReal) threads_.emplace_back(std::move(body));
    }
    // Waits for every thread started for real; the test first makes their
    // bodies return.
    void JoinAll() {
        std::vector<std::thread> threads;
        {
            std::lock_guard lock(mutex_);
            threads.swap(threads_);
        }
        for (std::thread& thread : threads) thread.join();
    }
    // The priority of every start, in order.
    std::vector<ThreadPriority> Priorities() const {
        std::lock_guard lock(mutex_);
        return priorities_;
    }

private:
    CallLog* log_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<ThreadPriority> priorities_;
    std::vector<std::thread> threads_;
};

}  // namespace vx::platform::testing
