#pragma once
// Detached worker threads with a Windows thread priority.
#include "platform/threads.h"

namespace vx::platform {

class Win32Threads final : public Threads {
public:
    void Start(std::function<void()> body, ThreadPriority priority) override;
};

}  // namespace vx::platform
