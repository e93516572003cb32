#pragma once
// A real-time priority for the calling thread, asked of RealtimeKit on the
// system bus: a desktop user may not raise a thread's class by himself,
// RealtimeKit grants it within its own limits (MaxRealtimePriority, and a
// CPU time limit per real-time slice the process must set first).
#include <optional>
#include <string>

namespace vx::platform {

// Nothing when the thread now runs at a real-time priority; otherwise why not.
std::optional<std::string> MakeCurrentThreadRealtime();

}  // namespace vx::platform
