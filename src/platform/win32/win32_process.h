#pragma once
// Single-instance lock, the running instance's window, the module path and
// the common controls.
#include <memory>

#include "platform/process.h"
#include "platform/win32/win32_control_pipe.h"

namespace vx::platform {

class Win32Process final : public Process {
public:
    Win32Process() = default;
    ~Win32Process() override = default;
    Win32Process(const Win32Process&) = delete;
    Win32Process& operator=(const Win32Process&) = delete;

    std::string ModuleFileName() override;
    bool CreateSingleInstanceLock(const std::string& name) override;
    void CloseSingleInstanceLock() override;
    bool RestoreWindowByTitle(const std::string& title) override;
    void InitCommonControls() override;
    // Serves vx230ctl's pipe; the requests run through `post`.
    void ServeControlRequests(ControlAnswerer answer) override;
    void UseForControlRequests(InterfaceThreadPoster post, Diagnostics& diagnostics) {
        post_ = std::move(post);
        diagnostics_ = &diagnostics;
    }

private:
    InterfaceThreadPoster post_;
    Diagnostics* diagnostics_ = nullptr;
    std::unique_ptr<ControlPipeServer> controlPipe_;
    // The mutex handle (a HANDLE); held until the process ends on the first
    // instance's path.
    void* lock_ = nullptr;
};

// The full path of the program's executable (UTF-8); empty when the
// system does not give it.
std::string ModulePath();

}  // namespace vx::platform
