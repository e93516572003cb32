#pragma once
// The running program's side of vx230ctl: a request line carried out on
// the interface thread as the matching clicks would, and its answer line.
#include <string>

#include "app/app_state.h"
#include "app/subsystems.h"
#include "platform/platform.h"

namespace vx::app {

// Interface thread only. A refused request changes nothing and goes on
// record with its reason.
std::string AnswerControlRequest(AppState& state, platform::Platform& platform, Subsystems& subsystems,
                                 const std::string& line);

// From now on the platform's channel hands each request to the above.
void ServeControlRequests(AppState& state, platform::Platform& platform, Subsystems& subsystems);

}  // namespace vx::app
