#include "platform/qt/linux_threads.h"

#include <optional>
#include <string>
#include <thread>

#include "platform/qt/linux_realtime.h"

namespace vx::platform {

void LinuxThreads::Start(std::function<void()> body, ThreadPriority priority) {
    std::thread worker([this, body = std::move(body), priority] {
        if (priority == ThreadPriority::Highest) {
            if (const std::optional<std::string> failure = MakeCurrentThreadRealtime()) {
                std::call_once(refusalReported_, [&] {
                    diagnostics_.Report("the device workers run at the normal priority: " + *failure);
                });
            }
        }
        body();
    });
    worker.detach();
}

}  // namespace vx::platform
