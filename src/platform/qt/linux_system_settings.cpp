#include "platform/qt/linux_system_settings.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <cstdlib>
#include <utility>

#include "platform/qt/linux_desktop.h"
#include "platform/qt/linux_xinput_speed.h"

namespace vx::platform {
namespace {

constexpr int kTimeoutMs = 3000;
const QString kGnomeSchema = QStringLiteral("org.gnome.desktop.peripherals.mouse");
const QString kGnomeKey = QStringLiteral("speed");
// Plasma's mouse settings: the X11 speed in kcminputrc, the wheel in kdeglobals.
constexpr char kPlasmaInputFile[] = "kcminputrc";
constexpr char kPlasmaSpeedGroup[] = "Mouse";
constexpr char kPlasmaSpeedKey[] = "XLbInptPointerAcceleration";
constexpr char kPlasmaGlobalsFile[] = "kdeglobals";
constexpr char kPlasmaWheelGroup[] = "KDE";
constexpr char kPlasmaWheelKey[] = "WheelScrollLines";
constexpr unsigned kPlasmaDefaultWheelLines = 3;
// KWin's input devices on the session bus.
const QString kKWin = QStringLiteral("org.kde.KWin");
const QString kKWinDevices = QStringLiteral("/org/kde/KWin/InputDevice");
const QString kKWinDevice = QStringLiteral("org.kde.KWin.InputDevice");

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

SessionFacts SessionFromEnvironment() {
    return SessionFacts{Env("XDG_CURRENT_DESKTOP"), Env("XDG_SESSION_TYPE"), !Env("WAYLAND_DISPLAY").empty(),
                        !Env("DISPLAY").empty()};
}

std::string ConfigDirFromEnvironment() {
    // The desktop's own key files sit where the user tree's folder does.
    const std::optional<std::string> probe = UserTreeDir(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), "");
    if (!probe) return {};
    return probe->substr(0, probe->size() - 1);
}

std::optional<QString> RunGsettings(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("gsettings"), arguments);
    if (!process.waitForFinished(kTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

std::string ReadKeyFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

std::optional<std::string> KeyFileValue(const std::string& path, const char* group, const char* key) {
    return KeyFileEntry(ReadKeyFile(path), group, key);
}

// The file is replaced as a whole: the desktop never reads half of it.
bool WriteKeyFileValue(const std::string& path, const char* group, const char* key, const std::string& value) {
    const std::string text = WithKeyFileEntry(ReadKeyFile(path), group, key, value);
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) return false;
    return file.commit();
}

std::optional<double> ParseNumber(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    bool ok = false;
    const double value = QString::fromStdString(*text).toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QVariant KWinProperty(const QString& path, const QString& interface, const QString& name) {
    QDBusMessage get = QDBusMessage::createMethodCall(kKWin, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << interface << name;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(get, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
    return reply.arguments().first().value<QDBusVariant>().variant();
}

// The object paths of KWin's mice (pointers that are not touchpads, which
// Plasma sets apart).
QStringList KWinMice() {
    const QVariant names = KWinProperty(kKWinDevices, QStringLiteral("org.kde.KWin.InputDeviceManager"),
                                        QStringLiteral("devicesSysNames"));
    QStringList mice;
    for (const QString& name : names.toStringList()) {
        const QString path = kKWinDevices + QLatin1Char('/') + name;
        if (KWinProperty(path, kKWinDevice, QStringLiteral("pointer")).toBool() &&
            !KWinProperty(path, kKWinDevice, QStringLiteral("touchpad")).toBool()) {
            mice << path;
        }
    }
    return mice;
}

// KWin applies the value at once and keeps it in kcminputrc itself.
bool SetKWinSpeed(const QStringList& mice, double speed) {
    bool all = !mice.isEmpty();
    for (const QString& path : mice) {
        QDBusMessage set = QDBusMessage::createMethodCall(
            kKWin, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
        set << kKWinDevice << QStringLiteral("pointerAcceleration") << QVariant::fromValue(QDBusVariant(speed));
        all = QDBusConnection::sessionBus().call(set, QDBus::Block, kTimeoutMs).type() == QDBusMessage::ReplyMessage &&
              all;
    }
    return all;
}

// Running KDE programs read the mouse settings again on this signal.
void NotifyPlasmaMouseChange() {
    constexpr int kSettingsChanged = 3;
    constexpr int kMouseSettings = 0;
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/KGlobalSettings"), QStringLiteral("org.kde.KGlobalSettings"), QStringLiteral("notifyChange"));
    signal << kSettingsChanged << kMouseSettings;
    QDBusConnection::sessionBus().send(signal);
}

}  // namespace

LinuxSystemSettings::LinuxSystemSettings(Diagnostics& diagnostics)
    : LinuxSystemSettings(diagnostics, DesktopInputPlanFor(SessionFromEnvironment()), ConfigDirFromEnvironment()) {}

LinuxSystemSettings::LinuxSystemSettings(Diagnostics& diagnostics, DesktopInputPlan plan, std::string configDir)
    : diagnostics_(diagnostics), plan_(plan), configDir_(std::move(configDir)) {}

bool LinuxSystemSettings::PointerAvailable() {
    std::call_once(checked_, [this] {
        const std::string keep = ", the desktop's speed stays as it is";
        switch (plan_.pointer) {
            case PointerSpeedRoute::GnomeSettings:
                if (QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty()) {
                    diagnostics_.Report("pointer speed: gsettings is not installed" + keep);
                    return;
                }
                available_ = RunGsettings({QStringLiteral("writable"), kGnomeSchema, kGnomeKey}).has_value();
                if (!available_) diagnostics_.Report("pointer speed: the GNOME mouse settings are not there" + keep);
                return;
            case PointerSpeedRoute::PlasmaX11:
                available_ = !configDir_.empty();
                if (!available_) diagnostics_.Report("pointer speed: no folder for Plasma's settings" + keep);
                return;
            case PointerSpeedRoute::PlasmaWayland:
                available_ = !KWinMice().isEmpty();
                if (!available_) diagnostics_.Report("pointer speed: KWin shows no mouse on the session bus" + keep);
                return;
            case PointerSpeedRoute::XInput:
                available_ = XInputSpeedPointerCount() > 0;
                if (!available_) {
                    diagnostics_.Report("pointer speed: no pointer of the X server has a libinput speed" + keep);
                }
                return;
            case PointerSpeedRoute::Unsupported:
                diagnostics_.Report("pointer speed: no setting known for this desktop (XDG_CURRENT_DESKTOP \"" +
                                    Env("XDG_CURRENT_DESKTOP") + "\", session \"" + Env("XDG_SESSION_TYPE") + "\")" +
                                    keep);
                return;
        }
    });
    return available_;
}

std::optional<double> LinuxSystemSettings::ReadDesktopSpeed() {
    switch (plan_.pointer) {
        case PointerSpeedRoute::GnomeSettings: {
            const std::optional<QString> value = RunGsettings({QStringLiteral("get"), kGnomeSchema, kGnomeKey});
            return value ? ParseNumber(value->toStdString()) : std::nullopt;
        }
        case PointerSpeedRoute::PlasmaX11: {
            const std::string path = configDir_ + "/" + kPlasmaInputFile;
            if (const std::optional<double> stored =
                    ParseNumber(KeyFileValue(path, kPlasmaSpeedGroup, kPlasmaSpeedKey))) {
                return stored;
            }
            // Never set in Plasma: the pointers' own speed, else libinput's default.
            return ReadXInputSpeed().value_or(0.0);
        }
        case PointerSpeedRoute::PlasmaWayland: {
            const QStringList mice = KWinMice();
            if (mice.isEmpty()) return std::nullopt;
            bool ok = false;
            const double speed =
                KWinProperty(mice.first(), kKWinDevice, QStringLiteral("pointerAcceleration")).toDouble(&ok);
            return ok ? std::optional<double>(speed) : std::nullopt;
        }
        case PointerSpeedRoute::XInput: return ReadXInputSpeed();
        case PointerSpeedRoute::Unsupported: break;
    }
    return std::nullopt;
}

bool LinuxSystemSettings::WriteDesktopSpeed(double speed) {
    switch (plan_.pointer) {
        case PointerSpeedRoute::GnomeSettings:
            return RunGsettings({QStringLiteral("set"), kGnomeSchema, kGnomeKey, QString::number(speed, 'f', 4)})
                .has_value();
        case PointerSpeedRoute::PlasmaX11:
            // Kept for the next login as Plasma keeps it, applied now to
            // every libinput pointer (none under some X servers: the file
            // alone then carries the speed).
            if (!WriteKeyFileValue(configDir_ + "/" + kPlasmaInputFile, kPlasmaSpeedGroup, kPlasmaSpeedKey,
                                   KeyFileNumber(speed))) {
                return false;
            }
            if (XInputSpeedPointerCount() > 0) return WriteXInputSpeed(speed);
            return true;
        case PointerSpeedRoute::PlasmaWayland: return SetKWinSpeed(KWinMice(), speed);
        case PointerSpeedRoute::XInput: return WriteXInputSpeed(speed);
        case PointerSpeedRoute::Unsupported: break;
    }
    return false;
}

std::optional<int> LinuxSystemSettings::GetMouseSpeed() {
    if (!PointerAvailable()) return std::nullopt;
    const std::optional<double> speed = ReadDesktopSpeed();
    if (!speed) return std::nullopt;
    return PointerSpeedFromDesktopSpeed(*speed);
}

bool LinuxSystemSettings::SetMouseSpeed(int speed) {
    if (!PointerAvailable()) return false;
    return WriteDesktopSpeed(DesktopSpeedFromPointerSpeed(speed));
}

std::optional<unsigned> LinuxSystemSettings::GetWheelScrollLines() {
    if (!HasWheelScrollLines()) return std::nullopt;
    const std::optional<double> lines =
        ParseNumber(KeyFileValue(configDir_ + "/" + kPlasmaGlobalsFile, kPlasmaWheelGroup, kPlasmaWheelKey));
    if (!lines) return kPlasmaDefaultWheelLines;
    return DesktopWheelLines(*lines > 0 ? static_cast<unsigned>(*lines) : 0U);
}

bool LinuxSystemSettings::SetWheelScrollLines(unsigned lines) {
    if (!HasWheelScrollLines()) return false;
    if (!WriteKeyFileValue(configDir_ + "/" + kPlasmaGlobalsFile, kPlasmaWheelGroup, kPlasmaWheelKey,
                           std::to_string(DesktopWheelLines(lines)))) {
        return false;
    }
    NotifyPlasmaMouseChange();
    return true;
}

}  // namespace vx::platform
