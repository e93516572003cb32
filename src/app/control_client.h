#pragma once
// vx230ctl apart from its system: the command line, the request it sends,
// what it prints and its exit code. The entry of each system brings the
// connection to the running program and the absolute form of a path.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/control_exchange.h"

namespace vx::app::control {

enum ExitCode : int {
    kDone = 0,
    kBadUsage = 1,
    kNotRunning = 2,
    kRefused = 3,
};

using Exchange = platform::ControlExchange;

// The running program as vx230ctl reaches it: one request line out, one
// answer line back.
class Connection {
public:
    virtual ~Connection() = default;
    virtual Exchange Send(const std::string& requestLine) = 0;
};

struct ClientContext {
    Connection& connection;
    // The path as the program must get it (its working folder is not ours).
    std::function<std::string(const std::string&)> absolutePath;
    std::string version;
    std::ostream& out;
    std::ostream& err;
};

// `args` without the program's own name.
int RunClient(const std::vector<std::string>& args, const ClientContext& context);

}  // namespace vx::app::control
