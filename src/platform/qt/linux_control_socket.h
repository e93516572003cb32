#pragma once
// The local socket between vx230ctl and the running Linux program (the one
// the single-instance check already listens on), without Qt: where it is,
// and vx230ctl's end of it.
#include <string>

#include "platform/control_exchange.h"

namespace vx::platform {

// Per user and session: "$XDG_RUNTIME_DIR/<name><suffix>" when the session
// has one, else "/tmp/<name>-<uid><suffix>".
std::string RuntimeFilePath(const char* xdgRuntimeDir, unsigned uid, const std::string& name,
                            const std::string& suffix);

// The socket's name for the single-instance lock named `lockName`.
std::string ControlSocketPath(const char* xdgRuntimeDir, unsigned uid, const std::string& lockName);

// One request line out, one answer line back.
ControlExchange ExchangeOverControlSocket(const std::string& socketPath, const std::string& requestLine);

}  // namespace vx::platform
