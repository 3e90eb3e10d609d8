#include "platform/HostSystemQueries.h"

#include <QDir>
#include <QOperatingSystemVersion>
#include <QStandardPaths>

namespace quillane {

namespace {

QString defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/quillane.lock");
}

} // namespace

HostSystemQueries::HostSystemQueries() : HostSystemQueries(defaultLockPath()) {}

HostSystemQueries::HostSystemQueries(const QString& lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath)) {}

PlatformVersion HostSystemQueries::platformVersion() const {
    const QOperatingSystemVersion current = QOperatingSystemVersion::current();
    const bool windows = current.type() == QOperatingSystemVersion::Windows;
    return {windows, current.majorVersion(), current.minorVersion()};
}

bool HostSystemQueries::earlierInstanceRunning() {
    return !m_lock->isLocked() && !m_lock->tryLock(0);
}

} // namespace quillane
