#pragma once
// Windows user settings held in memory; queries can be made to fail and
// every change is recorded.
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/system_settings.h"
#include "platform/testing/call_log.h"

namespace vx::platform::testing {

class FakeSystemSettings : public SystemSettings {
public:
    FakeSystemSettings() = default;
    // Each change also goes into the log: "SetMouseSpeed:<speed>",
    // "SetWheelScrollLines:<lines>".
    explicit FakeSystemSettings(CallLog& log) : log_(&log) {}

    int mouseSpeed = 10;
    unsigned wheelScrollLines = 3;
    bool hasMouseSpeed = true;
    bool hasWheelLines = true;
    bool getMouseSpeedFails = false;
    bool getWheelLinesFails = false;
    std::vector<int> mouseSpeedSets;
    std::vector<unsigned> wheelLinesSets;

    bool HasMouseSpeed() override { return hasMouseSpeed; }
    bool HasWheelScrollLines() override { return hasWheelLines; }
    std::optional<int> GetMouseSpeed() override {
        std::lock_guard lock(mutex_);
        if (getMouseSpeedFails) return std::nullopt;
        return mouseSpeed;
    }
    bool SetMouseSpeed(int speed) override {
        {
            std::lock_guard lock(mutex_);
            mouseSpeedSets.push_back(speed);
            mouseSpeed = speed;
        }
        if (log_ != nullptr) log_->Add("SetMouseSpeed:" + std::to_string(speed));
        return true;
    }
    std::optional<unsigned> GetWheelScrollLines() override {
        std::lock_guard lock(mutex_);
        if (getWheelLinesFails) return std::nullopt;
        return wheelScrollLines;
    }
    bool SetWheelScrollLines(unsigned lines) override {
        {
            std::lock_guard lock(mutex_);
            wheelLinesSets.push_back(lines);
            wheelScrollLines = lines;
        }
        if (log_ != nullptr) log_->Add("SetWheelScrollLines:" + std::to_string(lines));
        return true;
    }

private:
    CallLog* log_ = nullptr;
    std::mutex mutex_;
};

}  // namespace vx::platform::testing
