#include "platform/PosixFileSystem.h"

#include "platform/PosixMoves.h"
#include "platform/WildcardPattern.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace quillane {

namespace {

constexpr const char* DosAttributeName = "user.DOSATTRIB";
constexpr int DosAttributeBits = Attribute::Hidden | Attribute::System | Attribute::Archive;
constexpr qint64 LargestTextFile = 16 * 1024 * 1024;

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

FileResult failed(int error) {
    return {FileOutcome::Failed, qt_error_string(error)};
}
FileResult outcome(FileOutcome outcome) {
    return {outcome, qt_error_string(outcome == FileOutcome::TargetExists ? EEXIST : ENOENT)};
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now, so that a failing close is seen.
    int close() { return ::close(std::exchange(m_fd, -1)); }

private:
    int m_fd;
};

bool writeAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool copyContents(int in, int out) {
    std::array<char, 1 << 16> buffer;
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!writeAll(out, buffer.data(), got))
            return false;
    }
}

// Extended attributes the target cannot hold (a file system without them, or names only the
// system may write) are left behind; the file itself matters more.
bool copyExtendedAttributes(int in, int out) {
    const ssize_t listSize = ::flistxattr(in, nullptr, 0);
    if (listSize <= 0)
        return listSize == 0 || errno == ENOTSUP;
    QByteArray names(listSize, '\0');
    const ssize_t got = ::flistxattr(in, names.data(), static_cast<size_t>(names.size()));
    if (got < 0)
        return false;
    for (const QByteArray& name : names.left(got).split('\0')) {
        if (name.isEmpty())
            continue;
        const ssize_t valueSize = ::fgetxattr(in, name.constData(), nullptr, 0);
        if (valueSize < 0)
            return false;
        QByteArray value(valueSize, '\0');
        if (::fgetxattr(in, name.constData(), value.data(), static_cast<size_t>(value.size())) < 0)
            return false;
        if (::fsetxattr(out, name.constData(), value.constData(), static_cast<size_t>(value.size()),
                        0) != 0 &&
            errno != ENOTSUP && errno != EPERM)
            return false;
    }
    return true;
}

bool entryExists(const QByteArray& path) {
    struct stat st {};
    return ::lstat(path.constData(), &st) == 0;
}

// The last step of a copy or link: the source goes. A removal reported as failed although the
// source is gone leaves the target as the only copy, so it stays.
bool removeSource(const QByteArray& source) {
    return ::unlink(source.constData()) == 0 || (errno == ENOENT && !entryExists(source));
}

// A move that failed for good: a taken name, a missing source, or the system's words. ENOENT
// also comes when the target's folder is missing, so the source itself is looked at.
FileResult failedMove(int error, const QByteArray& source) {
    if (error == EEXIST)
        return outcome(FileOutcome::TargetExists);
    if (error == ENOENT && !entryExists(source))
        return outcome(FileOutcome::SourceMissing);
    return failed(error);
}

// Removes what a failed copy left at the target and reports the failure.
FileResult abandonCopy(const QByteArray& target, int error) {
    ::unlink(target.constData());
    return failed(error);
}

} // namespace

// The file is in exactly one place whatever fails.
FileResult posix::moveByCopying(const QByteArray& source, const QByteArray& target) {
    struct stat st {};
    if (::lstat(source.constData(), &st) != 0)
        return errno == ENOENT ? outcome(FileOutcome::SourceMissing) : failed(errno);
    if (S_ISLNK(st.st_mode)) {
        QByteArray linkText(st.st_size + 1, '\0');
        const ssize_t length =
            ::readlink(source.constData(), linkText.data(), static_cast<size_t>(linkText.size()));
        if (length < 0)
            return failed(errno);
        linkText.truncate(length);
        if (::symlink(linkText.constData(), target.constData()) != 0)
            return errno == EEXIST ? outcome(FileOutcome::TargetExists) : failed(errno);
        if (!removeSource(source))
            return abandonCopy(target, errno);
        return FileResult::success();
    }
    if (!S_ISREG(st.st_mode))
        return failed(EXDEV);

    Descriptor in(::open(source.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!in.valid())
        return errno == ENOENT ? outcome(FileOutcome::SourceMissing) : failed(errno);
    if (::fstat(in.get(), &st) != 0)
        return failed(errno);
    Descriptor out(::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          S_IRUSR | S_IWUSR));
    if (!out.valid())
        return errno == EEXIST ? outcome(FileOutcome::TargetExists) : failed(errno);

    const std::array<timespec, 2> times{st.st_atim, st.st_mtim};
    if (!copyContents(in.get(), out.get()) || !copyExtendedAttributes(in.get(), out.get()) ||
        ::fchmod(out.get(), st.st_mode & 07777) != 0 || ::futimens(out.get(), times.data()) != 0 ||
        ::fsync(out.get()) != 0 || out.close() != 0)
        return abandonCopy(target, errno);
    if (!removeSource(source))
        return abandonCopy(target, errno);
    return FileResult::success();
}

FileResult posix::moveByLinking(const QByteArray& source, const QByteArray& target) {
    if (::link(source.constData(), target.constData()) != 0) {
        const int error = errno;
        if (error == EXDEV || error == EPERM || error == ENOTSUP || error == EMLINK)
            return posix::moveByCopying(source, target);
        return failedMove(error, source);
    }
    if (!removeSource(source))
        return abandonCopy(target, errno);
    return FileResult::success();
}

namespace {

bool hiddenByName(const QString& path) {
    return path.sliced(path.lastIndexOf(u'/') + 1).startsWith(u'.');
}

int parseDosAttribute(const char* text, ssize_t length) {
    const QByteArray value = QByteArray(text, length).trimmed();
    if (!value.startsWith("0x"))
        return 0;
    bool ok = false;
    const int parsed = value.mid(2).split('\0').front().toInt(&ok, 16);
    return ok ? parsed & DosAttributeBits : 0;
}

} // namespace

FileResult PosixFileSystem::move(const QString& from, const QString& to) {
    const QByteArray source = native(from);
    const QByteArray target = native(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return FileResult::success();
    const int error = errno;
    if (error == EXDEV)
        return posix::moveByCopying(source, target);
    if (error == EINVAL || error == ENOSYS || error == ENOTSUP)
        return posix::moveByLinking(source, target);
    return failedMove(error, source);
}

FileResult PosixFileSystem::remove(const QString& path) {
    if (::unlink(native(path).constData()) == 0)
        return FileResult::success();
    return errno == ENOENT ? outcome(FileOutcome::SourceMissing) : failed(errno);
}

AttributeResult PosixFileSystem::attributes(const QString& path) {
    const QByteArray name = native(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0)
        return {errno == ENOENT ? outcome(FileOutcome::SourceMissing) : failed(errno), 0};
    int value = 0;
    if (!S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0)
        value |= Attribute::ReadOnly;
    // Samba may keep more than the text form in the value; the whole of it is read.
    const ssize_t size = ::lgetxattr(name.constData(), DosAttributeName, nullptr, 0);
    if (size > 0) {
        QByteArray text(size, '\0');
        const ssize_t length = ::lgetxattr(name.constData(), DosAttributeName, text.data(),
                                           static_cast<size_t>(text.size()));
        if (length < 0)
            return {failed(errno), 0};
        value |= parseDosAttribute(text.constData(), length);
    } else if (size < 0 && errno != ENODATA && errno != ENOTSUP && errno != EPERM) {
        return {failed(errno), 0};
    }
    if (hiddenByName(path))
        value |= Attribute::Hidden;
    return {FileResult::success(), value};
}

FileResult PosixFileSystem::setAttributes(const QString& path, int attributes) {
    // The descriptor pins the file itself: a link swapped in meanwhile is not followed.
    Descriptor file(::open(native(path).constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    if (!file.valid())
        return errno == ENOENT ? outcome(FileOutcome::SourceMissing) : failed(errno);
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        return failed(errno);
    // A link has no attribute value of its own: clearing it is nothing to do, setting one is
    // refused rather than passed on to the file it points at.
    if (S_ISLNK(st.st_mode)) {
        if (attributes == 0)
            return FileResult::success();
        return {FileOutcome::Failed,
                QStringLiteral("Attributes are not changed through a symbolic link")};
    }
    const QByteArray pinned = "/proc/self/fd/" + QByteArray::number(file.get());

    // Writing an extended attribute needs write permission, so read-only comes off first and
    // goes on last.
    const mode_t writable = st.st_mode | S_IWUSR;
    const mode_t readOnly = st.st_mode & ~(S_IWUSR | S_IWGRP | S_IWOTH);
    const bool wantReadOnly = (attributes & Attribute::ReadOnly) != 0;
    if (!wantReadOnly && (st.st_mode & 07777) != (writable & 07777) &&
        ::chmod(pinned.constData(), writable & 07777) != 0)
        return failed(errno);

    // A dot-file is hidden by its name; that needs no extended attribute, which not every file
    // system can keep.
    int bits = attributes & DosAttributeBits;
    if (hiddenByName(path))
        bits &= ~Attribute::Hidden;
    int xattrError = 0;
    if (bits != 0) {
        const QByteArray text = "0x" + QByteArray::number(bits, 16);
        if (::setxattr(pinned.constData(), DosAttributeName, text.constData(),
                       static_cast<size_t>(text.size()), 0) != 0)
            xattrError = errno;
    } else if (::removexattr(pinned.constData(), DosAttributeName) != 0 && errno != ENODATA &&
               errno != ENOTSUP) {
        xattrError = errno;
    }

    // Read-only goes on even when the other bits could not be kept.
    if (wantReadOnly && (st.st_mode & 07777) != (readOnly & 07777) &&
        ::chmod(pinned.constData(), readOnly & 07777) != 0)
        return failed(errno);
    return xattrError == 0 ? FileResult::success() : failed(xattrError);
}

TempFileResult PosixFileSystem::createTempFile(const QString& directory, const QString& prefix) {
    const QString start = directory + u'/' + prefix.left(3);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path =
            start +
            QString::number(QRandomGenerator::global()->generate() & 0xFFFFF, 16).toUpper() +
            QStringLiteral(".tmp");
        Descriptor fd(::open(native(path).constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                             S_IRUSR | S_IWUSR));
        if (fd.valid())
            return {FileResult::success(), path};
        if (errno != EEXIST)
            return {failed(errno), {}};
    }
    return {failed(EEXIST), {}};
}

std::optional<QList<DirectoryEntry>> PosixFileSystem::list(const QString& directory,
                                                           const QString& pattern) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(native(directory).constData()), ::closedir);
    if (!dir)
        return std::nullopt;
    QList<DirectoryEntry> entries;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray bytes(entry->d_name);
        if (bytes == "." || bytes == "..")
            continue;
        DirectoryEntry found;
        found.name = QFile::decodeName(bytes);
        found.nameDecodes = QFile::encodeName(found.name) == bytes;
        if (!matchesWildcard(found.name, pattern))
            continue;
        found.isSymbolicLink = entry->d_type == DT_LNK;
        found.isDirectory = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat st {};
            if (entry->d_type == DT_UNKNOWN &&
                ::fstatat(::dirfd(dir.get()), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0)
                found.isSymbolicLink = S_ISLNK(st.st_mode);
            found.isDirectory =
                ::fstatat(::dirfd(dir.get()), entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        entries.append(found);
    }
    return entries;
}

bool PosixFileSystem::exists(const QString& path) {
    return entryExists(native(path));
}

bool PosixFileSystem::isDirectory(const QString& path) {
    struct stat st {};
    return ::stat(native(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QString PosixFileSystem::canonicalPath(const QString& path) {
    std::unique_ptr<char, void (*)(void*)> resolved(::realpath(native(path).constData(), nullptr),
                                                    ::free);
    return resolved ? QFile::decodeName(resolved.get()) : QString();
}

TextFileResult PosixFileSystem::readTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {
            {file.exists() ? FileOutcome::Failed : FileOutcome::SourceMissing, file.errorString()},
            {}};
    if (file.size() > LargestTextFile)
        return {{FileOutcome::Failed, QStringLiteral("The file is too large to be read")}, {}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{FileOutcome::Failed, file.errorString()}, {}};
    QStringDecoder decode("windows-1252");
    return {FileResult::success(), decode(bytes)};
}

FileResult PosixFileSystem::writeTextFile(const QString& path, const QString& text) {
    QSaveFile file(path);
    QStringEncoder encode("windows-1252");
    const QByteArray bytes = encode(text);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return {FileOutcome::Failed, file.errorString()};
    return FileResult::success();
}

} // namespace quillane
