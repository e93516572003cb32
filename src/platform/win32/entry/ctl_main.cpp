// vx230ctl.exe: the console program that scripts the running program
// through its pipe.
#include "platform/win32/windows_api.h"

#include <iostream>
#include <string>
#include <vector>

#include "app/control_client.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_control_pipe.h"

namespace {

class PipeConnection final : public vx::app::control::Connection {
public:
    vx::app::control::Exchange Send(const std::string& requestLine) override {
        return vx::platform::ExchangeOverControlPipe(requestLine);
    }
};

// The program's working folder is not ours: a file goes with its full path.
std::string FullPath(const std::string& path) {
    const std::wstring wide = vx::platform::Widen(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) return {};
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return {};
    full.resize(length);
    return vx::platform::Narrow(full);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(vx::platform::Narrow(argv[i]));
    // Paths in the answers and messages are UTF-8.
    SetConsoleOutputCP(CP_UTF8);
    PipeConnection connection;
    const vx::app::control::ClientContext context{connection, FullPath, VX_VERSION, std::cout, std::cerr};
    const int code = vx::app::control::RunClient(args, context);
    std::cout.flush();
    return code;
}
