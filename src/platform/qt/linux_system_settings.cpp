#include "platform/qt/linux_system_settings.h"

#include <QProcess>
#include <QStandardPaths>

#include "platform/qt/linux_desktop.h"

namespace vx::platform {
namespace {

constexpr int kTimeoutMs = 3000;
const QString kSchema = QStringLiteral("org.gnome.desktop.peripherals.mouse");
const QString kKey = QStringLiteral("speed");

std::optional<QString> RunGsettings(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("gsettings"), arguments);
    if (!process.waitForFinished(kTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

}  // namespace

bool LinuxSystemSettings::Available() {
    std::call_once(checked_, [this] {
        if (QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty()) {
            diagnostics_.Report("pointer speed: gsettings is not installed, the desktop's speed stays as it is");
            return;
        }
        const std::optional<QString> writable = RunGsettings({QStringLiteral("writable"), kSchema, kKey});
        available_ = writable.has_value();
        if (!available_) {
            diagnostics_.Report(
                "pointer speed: the GNOME mouse settings are not there, the desktop's speed stays as it is");
        }
    });
    return available_;
}

std::optional<int> LinuxSystemSettings::GetMouseSpeed() {
    if (!Available()) return std::nullopt;
    const std::optional<QString> value = RunGsettings({QStringLiteral("get"), kSchema, kKey});
    if (!value) return std::nullopt;
    bool ok = false;
    const double speed = value->toDouble(&ok);
    if (!ok) return std::nullopt;
    return PointerSpeedFromDesktopSpeed(speed);
}

bool LinuxSystemSettings::SetMouseSpeed(int speed) {
    if (!Available()) return false;
    const QString value = QString::number(DesktopSpeedFromPointerSpeed(speed), 'f', 4);
    return RunGsettings({QStringLiteral("set"), kSchema, kKey, value}).has_value();
}

}  // namespace vx::platform
