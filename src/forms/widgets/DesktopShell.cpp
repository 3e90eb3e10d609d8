#include "forms/widgets/DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

namespace quillane {

bool DesktopShell::open(const QString& documentOrAddress) {
    // A path stays a path, whatever characters it holds; anything else is an address.
    const QUrl target = QDir::isAbsolutePath(documentOrAddress)
                            ? QUrl::fromLocalFile(documentOrAddress)
                            : QUrl(documentOrAddress);
    return QDesktopServices::openUrl(target);
}

bool DesktopShell::startProgram(const QString& program) {
    return QProcess::startDetached(program, {});
}

} // namespace quillane
