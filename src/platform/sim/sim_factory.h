#pragma once
// The simulated mouse as the simulated program build uses it: logging and
// command polling start when the program first looks for its mouse, so a
// second instance that hands over and ends touches no file.
#include <functional>
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/hid.h"

namespace vx::platform::sim {

// The mouse, and the program's diagnostics written into simmouse.log
// among the reports (and handed on to the build's own diagnostics).
class SimulatedBackend {
public:
    virtual ~SimulatedBackend() = default;
    virtual HidApi& Hid() = 0;
    virtual Diagnostics& Log() = 0;
};

// The simulated mouse starts unplugged when this environment variable is
// set (not empty): a "plug" line in simmouse.cmd then plugs it in.
inline constexpr const char* kStartUnpluggedVariable = "VX230_SIM_START_UNPLUGGED";

// `programDir` is the executable's folder (UTF-8, no trailing separator);
// `onRemoved` and `onArrived` are called from the control's thread with the
// mouse's interface path when the mouse is unplugged and plugged in; `next`
// also receives every diagnostic line. The returned object must outlive
// every thread that uses it.
std::unique_ptr<SimulatedBackend> CreateSimulatedMouseWithControl(
    const std::string& programDir, Clock& clock, std::function<void(const std::string& path)> onRemoved,
    std::function<void(const std::string& path)> onArrived, Diagnostics& next);

}  // namespace vx::platform::sim
