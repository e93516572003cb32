#pragma once
// How the input listener wakes an idle action player: the player sleeps
// until a press is handed over (or the workers are told to stop), so an
// idle program costs no wake-ups.
#include <condition_variable>
#include <mutex>

namespace vx::device {

class ActionWake {
public:
    virtual ~ActionWake() = default;
    // Wakes one pending or the next WaitForWake.
    virtual void Notify() = 0;
    // Returns once notified, with no time-out.
    virtual void WaitForWake() = 0;
};

// The real one: a flag under a mutex, so a notification sent before the
// player starts waiting is not lost.
class WakeSignal final : public ActionWake {
public:
    void Notify() override;
    void WaitForWake() override;

private:
    std::mutex mutex_;
    std::condition_variable wakeUp_;
    bool pending_ = false;
};

}  // namespace vx::device
