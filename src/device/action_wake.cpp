#include "device/action_wake.h"

#include <chrono>

namespace vx::device {

void WakeSignal::Notify() {
    {
        std::lock_guard lock(mutex_);
        pending_ = true;
    }
    wakeUp_.notify_one();
}

bool WakeSignal::WaitForWake(int timeoutMs) {
    std::unique_lock lock(mutex_);
    const bool woken = wakeUp_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return pending_; });
    pending_ = false;
    return woken;
}

}  // namespace vx::device
