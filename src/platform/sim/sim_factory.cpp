#include "platform/sim/sim_factory.h"

#include "platform/sim/sim_control.h"
#include "platform/sim/simulated_mouse.h"

namespace vx::platform::sim {

namespace {

class ControlledSimulatedMouse final : public SimulatedMouse, public SimulatedBackend, public Diagnostics {
public:
    ControlledSimulatedMouse(const std::string& programDir, Clock& clock,
                             std::function<void(const std::string& path)> onRemoved, Diagnostics& next)
        // The log file is the record; memory stays flat however long it runs.
        : SimulatedMouse(clock, ReportMemory::Drop), control_(*this, programDir, std::move(onRemoved)), next_(next) {}
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
    Diagnostics& next) {
    return std::make_unique<ControlledSimulatedMouse>(programDir, clock, std::move(onRemoved), next);
}

}  // namespace vx::platform::sim
