#pragma once
// Detached std::threads; the highest priority is asked of the scheduler
// and quietly kept normal where the user may not raise it.
#include "platform/threads.h"

namespace vx::platform {

class LinuxThreads final : public Threads {
public:
    void Start(std::function<void()> body, ThreadPriority priority) override;
};

}  // namespace vx::platform
