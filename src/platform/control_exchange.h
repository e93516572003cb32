#pragma once
// One request line sent to the running program and what came back, as
// vx230ctl's end of the pipe (Windows) or socket (Linux) reports it.
#include <string>

namespace vx::platform {

struct ControlExchange {
    enum class Outcome { Answered, NotRunning, Failed };
    Outcome outcome = Outcome::Failed;
    std::string text;  // Answered: the answer line; Failed: why
};

}  // namespace vx::platform
