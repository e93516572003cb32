#pragma once
// The computer's sleep and wake on Linux: logind's PrepareForSleep signal
// on the system bus (true before sleeping, false on waking), handed on as
// the program's power events on the interface thread.
#include <QObject>

#include <functional>

#include "platform/diagnostics.h"
#include "platform/system_events.h"

namespace vx::platform {

class LinuxSleepWatch final : public QObject {
    Q_OBJECT

public:
    // Without a system bus the watch puts one line on record and stays idle.
    LinuxSleepWatch(Diagnostics& diagnostics, std::function<void(PowerEvent)> deliver);

private Q_SLOTS:
    void OnPrepareForSleep(bool start);

private:
    std::function<void(PowerEvent)> deliver_;
};

}  // namespace vx::platform
