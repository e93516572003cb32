#include "device/action_wake.h"

namespace vx::device {

void WakeSignal::Notify() {
    {
        std::lock_guard lock(mutex_);
        pending_ = true;
    }
    wakeUp_.notify_one();
}

void WakeSignal::WaitForWake() {
    std::unique_lock lock(mutex_);
    wakeUp_.wait(lock, [this] { return pending_; });
    pending_ = false;
}

}  // namespace vx::device
