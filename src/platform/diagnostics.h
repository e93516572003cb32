#pragma once
// Where the program puts on record the failures it goes on from: a report
// the mouse refused, a settings file that could not be written, a program
// that did not start. The program's behaviour does not depend on it.
#include <string_view>

namespace vx::platform {

class Diagnostics {
public:
    virtual ~Diagnostics() = default;
    // One line: what failed and why. Callable from any thread.
    virtual void Report(std::string_view line) = 0;
};

}  // namespace vx::platform
