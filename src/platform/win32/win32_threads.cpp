#include "platform/win32/win32_threads.h"

#include "platform/win32/windows_api.h"

#include <thread>

namespace vx::platform {

void Win32Threads::Start(std::function<void()> body, ThreadPriority priority) {
    std::thread([body = std::move(body), priority] {
        if (priority == ThreadPriority::Highest) {
            SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
        }
        body();
    }).detach();
}

}  // namespace vx::platform
