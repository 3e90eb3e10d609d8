#include "platform/HostSystemQueries.h"

#include <QDir>
#include <QFile>
#include <QOperatingSystemVersion>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

namespace quillane {

namespace {

QString defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/quillane.lock");
}

// A lock file is read to learn who holds it: a pipe under its name would block start-up and a
// folder would look held for ever, so anything but a regular file (or nothing) is left alone.
bool lockable(const QString& lockPath) {
    struct stat st {};
    if (::lstat(QFile::encodeName(lockPath).constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode);
}

} // namespace

HostSystemQueries::HostSystemQueries() : HostSystemQueries(defaultLockPath()) {}

HostSystemQueries::HostSystemQueries(const QString& lockPath)
    : m_lockPath(lockPath), m_lock(std::make_unique<QLockFile>(lockPath)) {}

PlatformVersion HostSystemQueries::platformVersion() const {
    const QOperatingSystemVersion current = QOperatingSystemVersion::current();
    const bool windows = current.type() == QOperatingSystemVersion::Windows;
    return {windows, current.majorVersion(), current.minorVersion()};
}

bool HostSystemQueries::earlierInstanceRunning() {
    // Without a usable lock no earlier copy can be seen, and refusing to start would be worse.
    if (m_lock->isLocked() || !lockable(m_lockPath))
        return false;
    return !m_lock->tryLock(0);
}

} // namespace quillane
