#pragma once
// Windows user settings held in memory; queries can be made to fail and
// every change is recorded.
#include <mutex>
#include <optional>
#include <vector>

#include "platform/system_settings.h"

namespace vx::platform::testing {

class FakeSystemSettings : public SystemSettings {
public:
    int mouseSpeed = 10;
    unsigned wheelScrollLines = 3;
    bool getMouseSpeedFails = false;
    bool getWheelLinesFails = false;
    std::vector<int> mouseSpeedSets;
    std::vector<unsigned> wheelLinesSets;

    std::optional<int> GetMouseSpeed() override {
        std::lock_guard lock(mutex_);
        if (getMouseSpeedFails) return std::nullopt;
        return mouseSpeed;
    }
    bool SetMouseSpeed(int speed) override {
        std::lock_guard lock(mutex_);
        mouseSpeedSets.push_back(speed);
        mouseSpeed = speed;
        return true;
    }
    std::optional<unsigned> GetWheelScrollLines() override {
        std::lock_guard lock(mutex_);
        if (getWheelLinesFails) return std::nullopt;
        return wheelScrollLines;
    }
    bool SetWheelScrollLines(unsigned lines) override {
        std::lock_guard lock(mutex_);
        wheelLinesSets.push_back(lines);
        wheelScrollLines = lines;
        return true;
    }

private:
    std::mutex mutex_;
};

}  // namespace vx::platform::testing
