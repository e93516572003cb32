#pragma once
// Tells the simulated mouse's control that its command file may have
// changed, as the system reports it, so the control sleeps until then
// instead of looking at the file every few milliseconds. One implementation
// per system: inotify (command_file_watch_inotify.cpp) and the Windows
// change notifications (command_file_watch_win32.cpp).
#include <filesystem>
#include <memory>
#include <string>

namespace vx::platform::sim {

class CommandFileWatch {
public:
    virtual ~CommandFileWatch() = default;
    // Blocks until the file may have changed since the last return (true),
    // or Stop was called (false). A change that happens while the caller is
    // not waiting is kept for the next call.
    virtual bool WaitForChange() = 0;
    // Ends the current and every later WaitForChange; any thread may call it.
    virtual void Stop() = 0;
};

// Watches `file` (its folder must exist). Returns nothing when the system
// refuses the watch, with the reason in `problem`.
std::unique_ptr<CommandFileWatch> WatchCommandFile(const std::filesystem::path& file, std::string& problem);

}  // namespace vx::platform::sim
