#include "platform/qt/linux_control_socket.h"

#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vx::platform {
namespace {

// The program answers at once unless its interface is busy in a dialog.
constexpr int kAnswerTimeoutSeconds = 20;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::string Why(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

std::string RuntimeFilePath(const char* xdgRuntimeDir, unsigned uid, const std::string& name,
                            const std::string& suffix) {
    if (xdgRuntimeDir != nullptr && xdgRuntimeDir[0] == '/') return std::string(xdgRuntimeDir) + "/" + name + suffix;
    return "/tmp/" + name + "-" + std::to_string(uid) + suffix;
}

std::string ControlSocketPath(const char* xdgRuntimeDir, unsigned uid, const std::string& lockName) {
    return RuntimeFilePath(xdgRuntimeDir, uid, lockName, ".socket");
}

ControlExchange ExchangeOverControlSocket(const std::string& socketPath, const std::string& requestLine) {
    using Outcome = ControlExchange::Outcome;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof(address.sun_path)) return {Outcome::Failed, "the socket's path is too long"};
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.get() < 0) return {Outcome::Failed, Why("no socket")};
    if (connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        // No socket, or one a program that ended left behind.
        if (errno == ENOENT || errno == ECONNREFUSED) return {Outcome::NotRunning, {}};
        if (errno == EACCES || errno == EPERM) return {Outcome::Failed, "the program runs for another user"};
        return {Outcome::Failed, Why(socketPath.c_str())};
    }
    timeval timeout{kAnswerTimeoutSeconds, 0};
    setsockopt(socket.get(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
    setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof(timeout));
    const std::string line = requestLine + "\n";
    std::size_t sent = 0;
    while (sent < line.size()) {
        const ssize_t written = send(socket.get(), line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
        if (written <= 0) return {Outcome::Failed, Why("the request was not sent")};
        sent += static_cast<std::size_t>(written);
    }
    std::string answer;
    char chunk[512];
    while (answer.find('\n') == std::string::npos) {
        const ssize_t got = recv(socket.get(), chunk, sizeof(chunk), 0);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return {Outcome::Failed, "no answer within " + std::to_string(kAnswerTimeoutSeconds) + " s"};
        }
        if (got <= 0) return {Outcome::Failed, "the program closed the connection without an answer"};
        answer.append(chunk, static_cast<std::size_t>(got));
    }
    answer.resize(answer.find('\n'));
    return {Outcome::Answered, answer};
}

}  // namespace vx::platform
