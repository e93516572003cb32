#pragma once
// Worker threads. The two device workers run for the whole process.
#include <functional>

namespace vx::platform {

enum class ThreadPriority { Normal, Highest };

class Threads {
public:
    virtual ~Threads() = default;
    // Starts `body` on a new detached thread at `priority`.
    virtual void Start(std::function<void()> body, ThreadPriority priority) = 0;
};

}  // namespace vx::platform
