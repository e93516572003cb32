#pragma once
// Starting programs (WinExec) and opening documents (ShellExecuteW).
#include "platform/shell.h"

namespace vx::platform {

class Win32Shell final : public Shell {
public:
    bool StartProgram(SystemProgram program) override;
    bool OpenDocument(const std::string& urlOrPath) override;
};

}  // namespace vx::platform
