#pragma once
// The named pipe between vx230ctl.exe and the running program: its name
// carries the user's session, and only the user who started the program
// may open it. One request line in, one answer line out.
#include <functional>
#include <memory>
#include <string>

#include "platform/control_exchange.h"
#include "platform/diagnostics.h"
#include "platform/process.h"

namespace vx::platform {

// \\.\pipe\ZUV_GMouse-control-<session id>
std::wstring ControlPipeName();
// The running user's SID as text ("S-1-5-..."); empty when the system refuses it.
std::wstring CurrentUserSid();

// Runs tasks on the interface thread (the main window's posted work).
using InterfaceThreadPoster = std::function<void(std::function<void()>)>;

// The program's end: a thread of its own waits for one client at a time,
// reads its line, has it answered on the interface thread and writes the
// answer back. The thread lasts until the process ends.
class ControlPipeServer {
public:
    ControlPipeServer(InterfaceThreadPoster post, Diagnostics& diagnostics, Process::ControlAnswerer answer);
    ControlPipeServer(const ControlPipeServer&) = delete;
    ControlPipeServer& operator=(const ControlPipeServer&) = delete;
    // False when the system refused the pipe or the thread (on record).
    bool Start();

    // The thread's loop (public for the thread's entry only).
    void Serve();

private:
    std::string AnswerOnInterfaceThread(const std::string& line);

    InterfaceThreadPoster post_;
    Diagnostics& diagnostics_;
    Process::ControlAnswerer answer_;
    void* pipe_ = nullptr;  // HANDLE
};

// vx230ctl's end.
ControlExchange ExchangeOverControlPipe(const std::string& requestLine);

}  // namespace vx::platform
