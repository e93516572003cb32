#pragma once
// Work handed to the interface thread from any thread: tasks run in the
// order they came, and repaint requests merge into one. A backend wakes its
// interface thread only when one of these says so, and there calls
// RunTasks or TakeRepaint.
#include <deque>
#include <functional>
#include <mutex>

namespace vx::platform {

class PostedWork {
public:
    // Queues `task`; true when the interface thread must be woken for it
    // (nothing was queued yet).
    bool Post(std::function<void()> task);
    // True when the interface thread must be woken: no repaint is pending.
    bool RequestRepaint();
    // Interface thread: runs the queued tasks, those queued meanwhile too.
    void RunTasks();
    // Interface thread: true when a repaint was pending, which is then taken
    // (also how a backend drops a request whose wake-up failed).
    bool TakeRepaint();
    // The wake-up for the tasks failed: the next Post wakes again, and the
    // tasks queued so far run with it.
    void ForgetWakeUp();

private:
    std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
    bool wakeUpPending_ = false;
    bool repaintPending_ = false;
};

}  // namespace vx::platform
