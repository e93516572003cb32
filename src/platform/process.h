#pragma once
// Process-level operations: the single-instance lock and finding the
// running instance's window.
#include <functional>
#include <string>

namespace vx::platform {

class Process {
public:
    virtual ~Process() = default;
    // Full UTF-8 path of the running executable (backslash separated on
    // Windows).
    virtual std::string ModuleFileName() = 0;
    // Creates the named system-wide lock. Returns false when another
    // process already holds one of that name.
    virtual bool CreateSingleInstanceLock(const std::string& name) = 0;
    // Closes the lock handle created above (second-instance path only).
    virtual void CloseSingleInstanceLock() = 0;
    // Finds the top-level window with exactly this title and restores it
    // (shown, activated). False when there is none.
    virtual bool RestoreWindowByTitle(const std::string& title) = 0;
    virtual void InitCommonControls() = 0;
    // From now on each request line of vx230ctl that reaches the program
    // (only from the same user) is handed to `answer` on the interface
    // thread; what it returns goes back as the answer line.
    using ControlAnswerer = std::function<std::string(const std::string& request)>;
    virtual void ServeControlRequests(ControlAnswerer answer) = 0;
};

}  // namespace vx::platform
