// vx230ctl: the console program that scripts the running Linux program
// through its local socket. No Qt: a script's start stays quick.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/control_client.h"
#include "platform/qt/linux_control_socket.h"

namespace {

class SocketConnection final : public vx::app::control::Connection {
public:
    vx::app::control::Exchange Send(const std::string& requestLine) override {
        const std::string path =
            vx::platform::ControlSocketPath(std::getenv("XDG_RUNTIME_DIR"), getuid(), vx::app::kMutexName);
        return vx::platform::ExchangeOverControlSocket(path, requestLine);
    }
};

// The program's working folder is not ours: a file goes with its full path.
std::string FullPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? std::string() : full.lexically_normal().string();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    SocketConnection connection;
    const vx::app::control::ClientContext context{connection, FullPath, VX_VERSION, std::cout, std::cerr};
    return vx::app::control::RunClient(args, context);
}
