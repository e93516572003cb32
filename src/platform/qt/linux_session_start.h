#pragma once
// The start with the session on Linux desktops: an XDG autostart entry,
// <config home>/autostart/vx230.desktop, that starts the program hidden in
// the tray (--tray). Qt-free, so the native presets test it.
#include <optional>
#include <string>

#include "platform/session_start.h"

namespace vx::platform {

// The autostart folder: $XDG_CONFIG_HOME/autostart, else ~/.config/autostart;
// nothing when neither variable is set (both as given, may be null).
std::optional<std::string> AutostartDir(const char* xdgConfigHome, const char* home);

// The entry's text for the program at `executable` (its absolute path).
std::string AutostartEntry(const std::string& executable);

class LinuxSessionStart final : public SessionStart {
public:
    // `entryFile` is the autostart file (folder made when needed).
    LinuxSessionStart(std::string entryFile, std::string executable)
        : entryFile_(std::move(entryFile)), executable_(std::move(executable)) {}

    bool IsOn() override;
    std::optional<std::string> Set(bool on) override;

private:
    std::string entryFile_;
    std::string executable_;
};

}  // namespace vx::platform
