#pragma once
// Starting programs and opening documents.
#include <string>

namespace vx::platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Starts a program from a command line, shown normally; the result is
    // not examined by callers. A bare name ("calc.exe") is the system's own
    // program, never a file of the same name elsewhere.
    virtual bool StartProgram(const std::string& commandLine) = 0;
    virtual bool OpenDocument(const std::string& urlOrPath) = 0;
};

}  // namespace vx::platform
