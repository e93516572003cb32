#pragma once
// Windows user settings that a configuration carries.
#include <optional>

namespace vx::platform {

class SystemSettings {
public:
    virtual ~SystemSettings() = default;
    // False where the system has no such setting at all (a desktop without
    // it; the backend says so once): the program then leaves it alone.
    virtual bool HasMouseSpeed() { return true; }
    virtual bool HasWheelScrollLines() { return true; }
    virtual std::optional<int> GetMouseSpeed() = 0;
    // Saved in the user profile and broadcast to running programs.
    virtual bool SetMouseSpeed(int speed) = 0;
    virtual std::optional<unsigned> GetWheelScrollLines() = 0;
    // Saved in the user profile, not broadcast.
    virtual bool SetWheelScrollLines(unsigned lines) = 0;
};

}  // namespace vx::platform
