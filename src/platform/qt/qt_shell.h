#pragma once
// Documents open in the desktop's viewer; the Windows programs the mouse's
// buttons start ("calc.exe", "cmd.exe") are the desktop's calculator and
// terminal, whichever is installed.
#include "platform/shell.h"

namespace vx::platform {

class QtShell final : public Shell {
public:
    bool StartProgram(SystemProgram program) override;
    bool OpenDocument(const std::string& urlOrPath) override;
};

}  // namespace vx::platform
