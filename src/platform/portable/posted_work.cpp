#include "platform/portable/posted_work.h"

#include <utility>

namespace vx::platform {

bool PostedWork::Post(std::function<void()> task) {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
    if (wakeUpPending_) return false;
    wakeUpPending_ = true;
    return true;
}

bool PostedWork::RequestRepaint() {
    std::lock_guard lock(mutex_);
    if (repaintPending_) return false;
    repaintPending_ = true;
    return true;
}

void PostedWork::RunTasks() {
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard lock(mutex_);
            if (tasks_.empty()) {
                wakeUpPending_ = false;
                return;
            }
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        // A task may post another: it runs in this same round.
        task();
    }
}

bool PostedWork::TakeRepaint() {
    std::lock_guard lock(mutex_);
    return std::exchange(repaintPending_, false);
}

void PostedWork::ForgetWakeUp() {
    std::lock_guard lock(mutex_);
    wakeUpPending_ = false;
}

}  // namespace vx::platform
