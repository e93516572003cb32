#pragma once
// One instance per user: a lock file held with flock while the program
// runs, and a local socket on which the running instance hears a second
// start ask for its window, and on which vx230ctl sends its requests.
#include <QLocalServer>
#include <QLocalSocket>

#include <functional>
#include <memory>
#include <string>

#include "platform/diagnostics.h"
#include "platform/process.h"

namespace vx::platform {

class LinuxProcess final : public Process {
public:
    // `moduleFileName`: what the core takes as the executable's path; its
    // folder is the user's tree (see linux_desktop.h).
    explicit LinuxProcess(std::string moduleFileName) : moduleFileName_(std::move(moduleFileName)) {}
    ~LinuxProcess() override;
    LinuxProcess(const LinuxProcess&) = delete;
    LinuxProcess& operator=(const LinuxProcess&) = delete;

    std::string ModuleFileName() override { return moduleFileName_; }
    bool CreateSingleInstanceLock(const std::string& name) override;
    void CloseSingleInstanceLock() override;
    bool RestoreWindowByTitle(const std::string& title) override;
    void InitCommonControls() override {}
    // The socket's requests are read on the interface thread already.
    void ServeControlRequests(ControlAnswerer answer) override { answer_ = std::move(answer); }
    // Where refused connections go on record.
    void UseDiagnostics(Diagnostics& diagnostics) { diagnostics_ = &diagnostics; }

    // Called on the interface thread with the title a second start asks for.
    void OnRestoreRequest(std::function<void(const std::string& title)> handler) { restore_ = std::move(handler); }

private:
    void OnLine(QLocalSocket& client);

    std::string moduleFileName_;
    std::string socketName_;
    int lockFile_ = -1;
    std::unique_ptr<QLocalServer> server_;
    std::function<void(const std::string&)> restore_;
    ControlAnswerer answer_;
    Diagnostics* diagnostics_ = nullptr;
};

// The full path of the running executable (/proc/self/exe); empty when the
// system does not give it.
std::string ExecutablePath();

}  // namespace vx::platform
