#include "platform/qt/linux_realtime.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariant>

#include <sys/resource.h>
#include <unistd.h>

#include "platform/qt/linux_desktop.h"

namespace vx::platform {
namespace {

const QString kService = QStringLiteral("org.freedesktop.RealtimeKit1");
const QString kPath = QStringLiteral("/org/freedesktop/RealtimeKit1");
constexpr int kTimeoutMs = 2000;

std::string Reason(const QDBusMessage& reply) {
    return reply.errorName().toStdString() + ": " + reply.errorMessage().toStdString();
}

std::optional<long long> Property(const QDBusConnection& bus, const QString& name, std::string& failure) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kService << name;
    const QDBusMessage reply = bus.call(get, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        failure = "RealtimeKit did not give " + name.toStdString() + " (" + Reason(reply) + ")";
        return std::nullopt;
    }
    bool ok = false;
    const long long value = reply.arguments().first().value<QDBusVariant>().variant().toLongLong(&ok);
    if (!ok) {
        failure = "RealtimeKit's " + name.toStdString() + " is not a number";
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<std::string> MakeCurrentThreadRealtime() {
    const QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return "no system bus to ask RealtimeKit on";
    std::string failure;
    const std::optional<long long> maxPriority = Property(bus, QStringLiteral("MaxRealtimePriority"), failure);
    if (!maxPriority) return failure;
    const std::optional<long long> maxSlice = Property(bus, QStringLiteral("RTTimeUSecMax"), failure);
    if (!maxSlice) return failure;
    const unsigned priority = WorkerRealtimePriority(*maxPriority);
    if (priority == 0) return "RealtimeKit grants no real-time priority";
    if (*maxSlice <= 0) return "RealtimeKit grants no real-time CPU time";

    // RealtimeKit only serves a process whose real-time slices are bounded:
    // a worker that spins is then stopped by the kernel, not the desktop.
    rlimit slice{};
    if (getrlimit(RLIMIT_RTTIME, &slice) != 0) return "the real-time CPU limit could not be read";
    const auto wanted = static_cast<rlim_t>(*maxSlice);
    if (slice.rlim_max == RLIM_INFINITY || slice.rlim_max > wanted) slice.rlim_max = wanted;
    if (slice.rlim_cur == RLIM_INFINITY || slice.rlim_cur > slice.rlim_max) slice.rlim_cur = slice.rlim_max;
    if (setrlimit(RLIMIT_RTTIME, &slice) != 0) return "the real-time CPU limit could not be set";

    QDBusMessage make = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("MakeThreadRealtime"));
    make << static_cast<qulonglong>(gettid()) << static_cast<uint>(priority);
    const QDBusMessage reply = bus.call(make, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) return "RealtimeKit refused (" + Reason(reply) + ")";
    return std::nullopt;
}

}  // namespace vx::platform
