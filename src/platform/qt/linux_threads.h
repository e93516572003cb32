#pragma once
// Detached std::threads. The highest priority is a real-time one granted
// by RealtimeKit; where it is not granted the workers run at the normal
// priority, said once to the diagnostics.
#include <mutex>

#include "platform/diagnostics.h"
#include "platform/threads.h"

namespace vx::platform {

class LinuxThreads final : public Threads {
public:
    explicit LinuxThreads(Diagnostics& diagnostics) : diagnostics_(diagnostics) {}

    // Both the threads and this object live until the process ends.
    void Start(std::function<void()> body, ThreadPriority priority) override;

private:
    Diagnostics& diagnostics_;
    std::once_flag refusalReported_;
};

}  // namespace vx::platform
