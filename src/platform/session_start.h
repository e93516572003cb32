#pragma once
// Starting the program with the user's session, where the system does that
// through an entry the program may write itself (Linux: an XDG autostart
// file). The tray menu offers it as a checkable item.
#include <optional>
#include <string>

namespace vx::platform {

class SessionStart {
public:
    virtual ~SessionStart() = default;
    virtual bool IsOn() = 0;
    // Writes (on) or removes (off) the entry; nothing on success, else why not.
    virtual std::optional<std::string> Set(bool on) = 0;
};

}  // namespace vx::platform
