#include "platform/qt/linux_process.h"

#include <QLocalSocket>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/qt/linux_control_socket.h"

namespace vx::platform {
namespace {

constexpr int kConnectTimeoutMs = 2000;
// A second start's line; every other line is a request of vx230ctl.
constexpr char kRestoreWord[] = "RESTORE ";
// The request protocol's own limit: a longer line is refused unread.
constexpr qint64 kMaxLineBytes = 4096;

std::string RuntimePath(const std::string& name, const std::string& suffix) {
    return RuntimeFilePath(std::getenv("XDG_RUNTIME_DIR"), getuid(), name, suffix);
}

// The process at the other end of the socket, by the kernel's word.
std::optional<uid_t> PeerUser(QLocalSocket& client) {
    ucred peer{};
    socklen_t length = sizeof(peer);
    if (getsockopt(static_cast<int>(client.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0) {
        return std::nullopt;
    }
    return peer.uid;
}

}  // namespace

std::string ExecutablePath() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

LinuxProcess::~LinuxProcess() {
    server_.reset();
    if (lockFile_ >= 0) close(lockFile_);
}

bool LinuxProcess::CreateSingleInstanceLock(const std::string& name) {
    socketName_ = RuntimePath(name, ".socket");
    lockFile_ = open(RuntimePath(name, ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // The kernel drops the lock with the process, however it ends.
    if (lockFile_ >= 0 && flock(lockFile_, LOCK_EX | LOCK_NB) != 0) return false;
    server_ = std::make_unique<QLocalServer>();
    // A socket a crashed instance left behind is no running instance.
    QLocalServer::removeServer(QString::fromStdString(socketName_));
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(QString::fromStdString(socketName_));
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            // The socket's mode already keeps others out; this holds even
            // where its folder or mode were made wider.
            const std::optional<uid_t> peer = PeerUser(*client);
            if (!peer || *peer != getuid()) {
                if (diagnostics_ != nullptr) {
                    diagnostics_->Report("vx230ctl connection refused: it comes from " +
                                         (peer ? "user " + std::to_string(*peer) : std::string("an unknown user")) +
                                         ", not from the program's user");
                }
                client->abort();
                client->deleteLater();
                continue;
            }
            QObject::connect(client, &QLocalSocket::readyRead, client, [this, client] { OnLine(*client); });
        }
    });
    return true;
}

void LinuxProcess::OnLine(QLocalSocket& client) {
    std::string line;
    if (client.canReadLine()) {
        line = client.readLine().chopped(1).toStdString();
    } else if (client.bytesAvailable() >= kMaxLineBytes) {
        // Handed on as it is: the request's reader refuses it for its length.
        line = client.read(kMaxLineBytes).toStdString();
        client.readAll();
    } else {
        return;  // the rest of the line is still on its way
    }
    QObject::disconnect(&client, &QLocalSocket::readyRead, nullptr, nullptr);
    if (line.rfind(kRestoreWord, 0) == 0) {
        client.disconnectFromServer();
        if (restore_) restore_(line.substr(std::strlen(kRestoreWord)));
        return;
    }
    // Before start-up has finished nothing is answered.
    if (answer_) client.write(QByteArray::fromStdString(answer_(line) + "\n"));
    client.disconnectFromServer();
}

void LinuxProcess::CloseSingleInstanceLock() {
    if (lockFile_ >= 0) close(lockFile_);
    lockFile_ = -1;
}

bool LinuxProcess::RestoreWindowByTitle(const std::string& title) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketName_));
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    socket.write(QByteArray::fromStdString(kRestoreWord + title + "\n"));
    return socket.waitForBytesWritten(kConnectTimeoutMs);
}

}  // namespace vx::platform
