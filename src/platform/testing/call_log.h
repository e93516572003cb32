#pragma once
// One ordered record of calls, shared by the doubles of a test so that it
// can check the order of steps across the window, the system settings and
// the rest. Callable from any thread.
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace vx::platform::testing {

class CallLog {
public:
    void Add(std::string line) {
        std::lock_guard lock(mutex_);
        lines_.push_back(std::move(line));
    }
    std::vector<std::string> Lines() const {
        std::lock_guard lock(mutex_);
        return lines_;
    }
    // The lines so far; the log starts empty again.
    std::vector<std::string> Take() {
        std::lock_guard lock(mutex_);
        return std::exchange(lines_, {});
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

}  // namespace vx::platform::testing
