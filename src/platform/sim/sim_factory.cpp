#include "platform/sim/sim_factory.h"

#include <cstdlib>

#include "platform/sim/sim_control.h"
#include "platform/sim/simulated_mouse.h"

namespace vx::platform::sim {

namespace {

class ControlledSimulatedMouse final : public SimulatedMouse, public SimulatedBackend, public Diagnostics {
public:
    ControlledSimulatedMouse(const std::string& programDir, Clock& clock,
                             std::function<void(const std::string& path)> onRemoved,
                             std::function<void(const std::string& path)> onArrived, Diagnostics& next)
        // The log file is the record; memory stays flat however long it runs.
        : SimulatedMouse(clock, ReportMemory::Drop),
          control_(*this, programDir, std::move(onRemoved), std::move(onArrived)),
          next_(next) {
        const char* unplugged = std::getenv(kStartUnpluggedVariable);
        if (unplugged != nullptr && unplugged[0] != '\0') Unplug();
    }
    ~ControlledSimulatedMouse() override { control_.Stop(); }

    HidApi& Hid() override { return *this; }
    Diagnostics& Log() override { return *this; }
    void Report(std::string_view line) override {
        control_.WriteDiagnostic(line);
        next_.Report(line);
    }

protected:
    void OnFirstEnumeration() override { control_.Start(); }

private:
    SimMouseControl control_;
    Diagnostics& next_;
};

}  // namespace

std::unique_ptr<SimulatedBackend> CreateSimulatedMouseWithControl(
    const std::string& programDir, Clock& clock, std::function<void(const std::string& path)> onRemoved,
    std::function<void(const std::string& path)> onArrived, Diagnostics& next) {
    return std::make_unique<ControlledSimulatedMouse>(programDir, clock, std::move(onRemoved), std::move(onArrived),
                                                      next);
}

}  // namespace vx::platform::sim
