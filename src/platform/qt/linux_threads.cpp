#include "platform/qt/linux_threads.h"

#include <pthread.h>
#include <sched.h>

#include <thread>

namespace vx::platform {

void LinuxThreads::Start(std::function<void()> body, ThreadPriority priority) {
    std::thread worker([body = std::move(body), priority] {
        if (priority == ThreadPriority::Highest) {
            // A real-time class needs privileges a desktop user rarely has;
            // the device workers then run at the normal priority.
            sched_param parameters{};
            parameters.sched_priority = sched_get_priority_min(SCHED_RR);
            pthread_setschedparam(pthread_self(), SCHED_RR, &parameters);
        }
        body();
    });
    worker.detach();
}

}  // namespace vx::platform
