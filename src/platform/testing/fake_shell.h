#pragma once
// Records the programs and documents the logic asks the shell to start.
#include <mutex>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace vx::platform::testing {

class FakeShell : public Shell {
public:
    // The calls are still recorded when they fail.
    bool startProgramFails = false;
    bool openDocumentFails = false;

    bool StartProgram(SystemProgram program) override {
        std::lock_guard lock(mutex_);
        programs_.push_back(SystemProgramName(program));
        return !startProgramFails;
    }
    bool OpenDocument(const std::string& urlOrPath) override {
        std::lock_guard lock(mutex_);
        documents_.push_back(urlOrPath);
        return !openDocumentFails;
    }
    std::vector<std::string> Programs() const {
        std::lock_guard lock(mutex_);
        return programs_;
    }
    std::vector<std::string> Documents() const {
        std::lock_guard lock(mutex_);
        return documents_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> programs_;
    std::vector<std::string> documents_;
};

}  // namespace vx::platform::testing
