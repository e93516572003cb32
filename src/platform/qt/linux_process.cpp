#include "platform/qt/linux_process.h"

#include <QLocalSocket>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vx::platform {
namespace {

constexpr int kConnectTimeoutMs = 2000;

// Per user and session: in $XDG_RUNTIME_DIR when the session has one, else
// in /tmp with the user id in the name.
std::string RuntimePath(const std::string& name, const std::string& suffix) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') return std::string(runtime) + "/" + name + suffix;
    return "/tmp/" + name + "-" + std::to_string(getuid()) + suffix;
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
            QObject::connect(client, &QLocalSocket::readyRead, client, [this, client] {
                if (!client->canReadLine()) return;
                const std::string title = client->readLine().trimmed().toStdString();
                client->disconnectFromServer();
                client->deleteLater();
                if (restore_) restore_(title);
            });
            QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return true;
}

void LinuxProcess::CloseSingleInstanceLock() {
    if (lockFile_ >= 0) close(lockFile_);
    lockFile_ = -1;
}

bool LinuxProcess::RestoreWindowByTitle(const std::string& title) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketName_));
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    socket.write(QByteArray::fromStdString(title + "\n"));
    return socket.waitForBytesWritten(kConnectTimeoutMs);
}

}  // namespace vx::platform
