#pragma once
// The simulated mouse as the simulated program build uses it: logging and
// command polling start when the program first looks for its mouse, so a
// second instance that hands over and ends touches no file.
#include <functional>
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/hid.h"

namespace vx::platform::sim {

// `programDir` is the executable's folder (UTF-8, no trailing separator);
// `onRemoved` is called from the control's thread with the mouse's
// interface path when the mouse is unplugged. The returned object must
// outlive every thread that uses it.
std::unique_ptr<HidApi> CreateSimulatedMouseWithControl(const std::string& programDir, Clock& clock,
                                                        std::function<void(const std::string& path)> onRemoved);

}  // namespace vx::platform::sim
