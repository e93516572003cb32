#include "platform/qt/linux_sleep_watch.h"

#include <QDBusConnection>
#include <QDBusError>

#include <string>
#include <utility>

namespace vx::platform {

LinuxSleepWatch::LinuxSleepWatch(Diagnostics& diagnostics, std::function<void(PowerEvent)> deliver)
    : deliver_(std::move(deliver)) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        diagnostics.Report("sleep and wake not watched: no system bus (" + bus.lastError().message().toStdString() +
                           "); the configuration is sent again only at start and on plugging in");
        return;
    }
    // No fixed sender: the signal counts whoever owns the login manager's
    // name, and a bus without logind (a container, a test bus) still works.
    const bool connected = bus.connect(QString(), QStringLiteral("/org/freedesktop/login1"),
                                       QStringLiteral("org.freedesktop.login1.Manager"),
                                       QStringLiteral("PrepareForSleep"), this, SLOT(OnPrepareForSleep(bool)));
    if (!connected) {
        diagnostics.Report("sleep and wake not watched: the system bus refused the match (" +
                           bus.lastError().message().toStdString() + ")");
    }
}

void LinuxSleepWatch::OnPrepareForSleep(bool start) { deliver_(start ? PowerEvent::Suspend : PowerEvent::Resume); }

}  // namespace vx::platform
