#pragma once
// Starting programs and opening documents.
#include <string>

namespace vx::platform {

// The programs a button of the mouse can start: always the system's own,
// never a file of the same name elsewhere.
enum class SystemProgram { Calculator, CommandPrompt };

constexpr const char* SystemProgramName(SystemProgram program) {
    return program == SystemProgram::Calculator ? "calculator" : "command prompt";
}

class Shell {
public:
    virtual ~Shell() = default;
    // Starts the program, shown normally; false when the system refused.
    virtual bool StartProgram(SystemProgram program) = 0;
    virtual bool OpenDocument(const std::string& urlOrPath) = 0;
};

}  // namespace vx::platform
