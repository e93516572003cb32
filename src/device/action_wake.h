#pragma once
// How the input listener wakes an idle action player at once instead of
// leaving it to its next poll.
#include <condition_variable>
#include <mutex>

namespace vx::device {

class ActionWake {
public:
    virtual ~ActionWake() = default;
    // Wakes one pending or the next WaitForWake.
    virtual void Notify() = 0;
    // Returns true when woken, false when timeoutMs passed first.
    virtual bool WaitForWake(int timeoutMs) = 0;
};

// The real one: a flag under a mutex, so a notification sent before the
// player starts waiting is not lost.
class WakeSignal final : public ActionWake {
public:
    void Notify() override;
    bool WaitForWake(int timeoutMs) override;

private:
    std::mutex mutex_;
    std::condition_variable wakeUp_;
    bool pending_ = false;
};

}  // namespace vx::device
