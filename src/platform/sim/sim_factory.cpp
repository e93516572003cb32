#include "platform/sim/sim_factory.h"

#include "platform/sim/sim_control.h"
#include "platform/sim/simulated_mouse.h"

namespace vx::platform::sim {

namespace {

class ControlledSimulatedMouse : public SimulatedMouse {
public:
    ControlledSimulatedMouse(const std::string& programDir, Clock& clock,
                             std::function<void(const std::string& path)> onRemoved)
        // The log file is the record; memory stays flat however long it runs.
        : SimulatedMouse(clock, /*keepLog=*/false), control_(*this, programDir, std::move(onRemoved)) {}
    ~ControlledSimulatedMouse() override { control_.Stop(); }

protected:
    void OnFirstEnumeration() override { control_.Start(); }

private:
    SimMouseControl control_;
};

}  // namespace

std::unique_ptr<HidApi> CreateSimulatedMouseWithControl(const std::string& programDir, Clock& clock,
                                                        std::function<void(const std::string& path)> onRemoved) {
    return std::make_unique<ControlledSimulatedMouse>(programDir, clock, std::move(onRemoved));
}

}  // namespace vx::platform::sim
