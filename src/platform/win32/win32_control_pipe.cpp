#include "platform/win32/win32_control_pipe.h"

#include "platform/win32/windows_api.h"

#include <sddl.h>

#include <chrono>
#include <future>
#include <vector>

#include "platform/win32/text_convert.h"

namespace vx::platform {
namespace {

// Longer request lines are refused unread (the protocol's own limit).
constexpr DWORD kMaxLineBytes = 4096;
constexpr DWORD kReadTimeoutMs = 5000;
constexpr auto kAnswerTimeout = std::chrono::seconds(20);

std::string SystemError(DWORD error) { return "system error " + std::to_string(error); }

// "D:P(A;;GA;;;<the user's SID>)": the user alone, nothing inherited.
std::wstring OnlyThisUser() {
    const std::wstring sid = CurrentUserSid();
    return sid.empty() ? std::wstring() : L"D:P(A;;GA;;;" + sid + L")";
}

class IoEvent {
public:
    IoEvent() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~IoEvent() {
        if (event_ != nullptr) CloseHandle(event_);
    }
    IoEvent(const IoEvent&) = delete;
    IoEvent& operator=(const IoEvent&) = delete;
    OVERLAPPED* Fresh() {
        overlapped_ = OVERLAPPED{};
        overlapped_.hEvent = event_;
        ResetEvent(event_);
        return &overlapped_;
    }
    // The operation started on the pipe, finished within `timeoutMs`
    // (cancelled otherwise).
    bool Finish(HANDLE pipe, BOOL started, DWORD& bytes, DWORD timeoutMs) {
        if (!started && GetLastError() != ERROR_IO_PENDING) return false;
        if (WaitForSingleObject(event_, timeoutMs) != WAIT_OBJECT_0) {
            CancelIo(pipe);
            GetOverlappedResult(pipe, &overlapped_, &bytes, TRUE);
            return false;
        }
        return GetOverlappedResult(pipe, &overlapped_, &bytes, FALSE) != FALSE;
    }

private:
    HANDLE event_;
    OVERLAPPED overlapped_{};
};

enum class LineRead { Line, TooLong, Broken };

LineRead ReadLine(HANDLE pipe, IoEvent& io, std::string& line) {
    char chunk[512];
    for (;;) {
        DWORD got = 0;
        if (!io.Finish(pipe, ReadFile(pipe, chunk, sizeof(chunk), nullptr, io.Fresh()), got, kReadTimeoutMs) ||
            got == 0) {
            return LineRead::Broken;
        }
        line.append(chunk, got);
        const std::size_t end = line.find('\n');
        if (end != std::string::npos) {
            line.resize(end);
            return line.size() >= kMaxLineBytes ? LineRead::TooLong : LineRead::Line;
        }
        if (line.size() >= kMaxLineBytes) return LineRead::TooLong;
    }
}

DWORD WINAPI ServeThread(LPVOID server) {
    static_cast<ControlPipeServer*>(server)->Serve();
    return 0;
}

}  // namespace

std::wstring CurrentUserSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    std::wstring text;
    LPWSTR sid = nullptr;
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size) &&
        ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &sid)) {
        text = sid;
        LocalFree(sid);
    }
    CloseHandle(token);
    return text;
}

std::wstring ControlPipeName() {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return L"\\\\.\\pipe\\ZUV_GMouse-control-" + std::to_wstring(session);
}

ControlPipeServer::ControlPipeServer(InterfaceThreadPoster post, Diagnostics& diagnostics,
                                     Process::ControlAnswerer answer)
    : post_(std::move(post)), diagnostics_(diagnostics), answer_(std::move(answer)) {}

bool ControlPipeServer::Start() {
    const std::wstring sddl = OnlyThisUser();
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (sddl.empty() ||
        !ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &descriptor, nullptr)) {
        diagnostics_.Report("vx230ctl pipe not made: the user's security could not be read: " +
                            SystemError(GetLastError()));
        return false;
    }
    SECURITY_ATTRIBUTES security{sizeof(security), descriptor, FALSE};
    // The first instance: a pipe another process made first under this name
    // is not ours to serve.
    HANDLE pipe = CreateNamedPipeW(ControlPipeName().c_str(),
                                   PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                   PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
                                   kMaxLineBytes, kMaxLineBytes, 0, &security);
    const DWORD error = GetLastError();
    LocalFree(descriptor);
    if (pipe == INVALID_HANDLE_VALUE) {
        diagnostics_.Report("vx230ctl pipe not made: " + SystemError(error));
        return false;
    }
    pipe_ = pipe;
    HANDLE thread = CreateThread(nullptr, 0, ServeThread, this, 0, nullptr);
    if (thread == nullptr) {
        diagnostics_.Report("vx230ctl pipe not served: no thread: " + SystemError(GetLastError()));
        return false;
    }
    CloseHandle(thread);
    return true;
}

std::string ControlPipeServer::AnswerOnInterfaceThread(const std::string& line) {
    auto promise = std::make_shared<std::promise<std::string>>();
    std::future<std::string> answer = promise->get_future();
    post_([promise, line, this] { promise->set_value(answer_(line)); });
    if (answer.wait_for(kAnswerTimeout) != std::future_status::ready) {
        return "VX230CTL/1 error the program did not get to the request in time";
    }
    return answer.get();
}

void ControlPipeServer::Serve() {
    HANDLE pipe = static_cast<HANDLE>(pipe_);
    IoEvent io;
    for (;;) {
        DWORD bytes = 0;
        const BOOL connected = ConnectNamedPipe(pipe, io.Fresh());
        const DWORD error = connected ? ERROR_SUCCESS : GetLastError();
        if (error == ERROR_NO_DATA) {
            // The client came and went before it was served.
            DisconnectNamedPipe(pipe);
            continue;
        }
        if (error != ERROR_SUCCESS && error != ERROR_PIPE_CONNECTED) {
            SetLastError(error);
            if (!io.Finish(pipe, connected, bytes, INFINITE)) {
                // Nothing will connect any more: said once, and the pipe is given up.
                diagnostics_.Report("vx230ctl pipe given up: a connection failed: " + SystemError(GetLastError()));
                return;
            }
        }
        std::string line;
        std::string answer;
        switch (ReadLine(pipe, io, line)) {
            case LineRead::Line: answer = AnswerOnInterfaceThread(line); break;
            case LineRead::TooLong:
                // Goes through the same refusal (and record) as any bad line.
                answer = AnswerOnInterfaceThread(std::string(kMaxLineBytes, ' '));
                break;
            case LineRead::Broken: break;
        }
        if (!answer.empty()) {
            answer += '\n';
            io.Finish(pipe, WriteFile(pipe, answer.data(), static_cast<DWORD>(answer.size()), nullptr, io.Fresh()),
                      bytes, kReadTimeoutMs);
            // Disconnecting drops what the client has not read yet: wait
            // for it to close its end first.
            char rest[64];
            while (io.Finish(pipe, ReadFile(pipe, rest, sizeof(rest), nullptr, io.Fresh()), bytes, kReadTimeoutMs) &&
                   bytes > 0) {}
        }
        DisconnectNamedPipe(pipe);
    }
}

ControlExchange ExchangeOverControlPipe(const std::string& requestLine) {
    using Outcome = ControlExchange::Outcome;
    const std::wstring name = ControlPipeName();
    HANDLE pipe = INVALID_HANDLE_VALUE;
    for (int attempt = 0;; ++attempt) {
        pipe = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (pipe != INVALID_HANDLE_VALUE) break;
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return {Outcome::NotRunning, {}};
        if (error == ERROR_PIPE_BUSY && attempt < 10) {
            WaitNamedPipeW(name.c_str(), 2000);
            continue;
        }
        if (error == ERROR_ACCESS_DENIED) return {Outcome::Failed, "the program runs for another user"};
        return {Outcome::Failed, "the pipe did not open: " + SystemError(error)};
    }
    const std::string line = requestLine + "\n";
    DWORD written = 0;
    std::string answer;
    if (WriteFile(pipe, line.data(), static_cast<DWORD>(line.size()), &written, nullptr)) {
        char chunk[512];
        DWORD got = 0;
        while (answer.find('\n') == std::string::npos && ReadFile(pipe, chunk, sizeof(chunk), &got, nullptr) &&
               got > 0) {
            answer.append(chunk, got);
        }
    }
    CloseHandle(pipe);
    const std::size_t end = answer.find('\n');
    if (end == std::string::npos) return {Outcome::Failed, "the program closed the pipe without an answer"};
    answer.resize(end);
    return {Outcome::Answered, answer};
}

}  // namespace vx::platform
