#pragma once
// What the system tells the window, in the program's own terms: each
// backend maps its own messages or signals onto these.
namespace vx::platform {

// The computer is about to sleep, or has woken up.
enum class PowerEvent { Suspend, Resume };

// The window menu's commands and what the logic posts through the same way.
enum class SystemCommand { Minimize, Restore, Close, About };

constexpr const char* SystemCommandName(SystemCommand command) {
    switch (command) {
        case SystemCommand::Minimize: return "Minimize";
        case SystemCommand::Restore: return "Restore";
        case SystemCommand::Close: return "Close";
        case SystemCommand::About: return "About";
    }
    return "";
}

}  // namespace vx::platform
