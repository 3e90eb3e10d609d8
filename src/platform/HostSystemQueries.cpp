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

QString handOverName(const QString& lockPath) {
    QString name = lockPath;
    if (name.endsWith(QStringLiteral(".lock")))
        name.chop(5);
    return name + QStringLiteral(".socket");
}

} // namespace

HostSystemQueries::HostSystemQueries() : HostSystemQueries(defaultLockPath()) {}

HostSystemQueries::HostSystemQueries(const QString& lockPath)
    : m_lockPath(lockPath), m_lock(std::make_unique<QLockFile>(lockPath)) {}

HostSystemQueries::~HostSystemQueries() = default;

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

bool HostSystemQueries::handPathsToEarlierInstance(const QStringList& paths) {
    return handPathsOver(handOverName(m_lockPath), paths);
}

void HostSystemQueries::takePathsFromLaterStarts(std::function<void(const QStringList&)> take) {
    // The socket under the name is replaced, which only the lock's holder may do.
    if (!m_lock->isLocked())
        return;
    m_handOver = std::make_unique<PathHandOverServer>(handOverName(m_lockPath), std::move(take));
}

} // namespace quillane
