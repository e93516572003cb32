#pragma once
// The process as the logic sees it, for tests: a fixed module path, a
// single-instance lock another instance may already hold, and a record of
// the calls.
#include <atomic>
#include <string>
#include <utility>

#include "platform/process.h"
#include "platform/testing/call_log.h"

namespace vx::platform::testing {

class FakeProcess : public Process {
public:
    FakeProcess() = default;
    // The calls also go into the log: "CreateMutex:<name>", "CloseMutex",
    // "RestoreWindow:<title>", "InitCommonControls".
    explicit FakeProcess(CallLog& log) : log_(&log) {}

    std::string moduleFileName = "C:\\Games\\VX230\\ZUV_GMouse.exe";
    // Another instance holds the lock already and has a window to restore.
    std::atomic<bool> otherInstanceRuns{false};

    std::string ModuleFileName() override { return moduleFileName; }
    bool CreateSingleInstanceLock(const std::string& name) override {
        Log("CreateMutex:" + name);
        return !otherInstanceRuns;
    }
    void CloseSingleInstanceLock() override { Log("CloseMutex"); }
    bool RestoreWindowByTitle(const std::string& title) override {
        Log("RestoreWindow:" + title);
        return otherInstanceRuns;
    }
    void InitCommonControls() override { Log("InitCommonControls"); }
    // Kept for the test to send requests through.
    ControlAnswerer controlAnswerer;
    void ServeControlRequests(ControlAnswerer answer) override { controlAnswerer = std::move(answer); }

private:
    void Log(std::string line) {
        if (log_ != nullptr) log_->Add(std::move(line));
    }

    CallLog* log_ = nullptr;
};

}  // namespace vx::platform::testing
