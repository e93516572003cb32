#pragma once
// The watch on the program in front, for the per-program profiles. Event
// driven: a backend reports changes of the foreground window and keeps no
// timer or thread of its own while nothing changes.
#include <functional>
#include <string>
#include <vector>

#include "platform/program_rules.h"

namespace vx::platform {

// What the watch can see on this desktop.
enum class ForegroundReach {
    EveryProgram,  // Windows, or an X11 session
    X11Programs,   // a Wayland session: only windows of X11 programs (XWayland)
    Nothing,       // no display the watch understands
};

class ForegroundWatch {
public:
    virtual ~ForegroundWatch() = default;
    virtual ForegroundReach Reach() = 0;
    // Starts reporting every change of the foreground window, on the
    // interface thread. False (and nothing reported) when the system
    // refused the watch. Starting again replaces the callback.
    virtual bool Start(std::function<void(const ForegroundProgram&)> changed) = 0;
    virtual void Stop() = 0;
    virtual bool Running() = 0;
    // Calls `due` once on the interface thread after `ms` milliseconds;
    // a new call replaces a pending one.
    virtual void CallAfter(int ms, std::function<void()> due) = 0;
    virtual void CancelCall() = 0;
    // The programs with a window now, for the dialog's "pick a running
    // program"; each once.
    virtual std::vector<ForegroundProgram> RunningPrograms() = 0;
};

}  // namespace vx::platform
