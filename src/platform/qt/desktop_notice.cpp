#include "platform/qt/desktop_notice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include "platform/product.h"

namespace vx::platform {
namespace {

constexpr int kShownForMs = 4000;

}  // namespace

void ShowDesktopNotice(const std::string& title, const std::string& text, Diagnostics* diagnostics) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (diagnostics != nullptr) diagnostics->Report("notice not shown (no session bus): " + text);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << QString::fromUtf8(product::kProgramName) << 0u << QStringLiteral("input-mouse")
         << QString::fromStdString(title) << QString::fromStdString(text) << QStringList() << QVariantMap()
         << kShownForMs;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, watcher, [diagnostics, text](QDBusPendingCallWatcher* finished) {
            const QDBusPendingReply<unsigned> reply = *finished;
            if (reply.isError() && diagnostics != nullptr) {
                diagnostics->Report("notice not shown (" + reply.error().name().toStdString() + "): " + text);
            }
            finished->deleteLater();
        });
}

}  // namespace vx::platform
