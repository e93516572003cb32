#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/portable/program_paths.h"
#include "platform/qt/linux_desktop.h"

namespace vx::platform {

bool QtShell::StartProgram(SystemProgram program) {
    // Only programs found on the system's path: never a file of that name
    // in the working folder.
    for (const std::string& name : LinuxProgramsFor(program)) {
        const QString found = QStandardPaths::findExecutable(QString::fromStdString(name));
        if (!found.isEmpty() && QProcess::startDetached(found, {})) return true;
    }
    return false;
}

bool QtShell::OpenDocument(const std::string& urlOrPath) {
    const QString text = QString::fromStdString(urlOrPath);
    if (text.contains(QStringLiteral("://"))) return QDesktopServices::openUrl(QUrl(text));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(ForwardSlashPath(urlOrPath))));
}

}  // namespace vx::platform
