#include "platform/PosixFileSystem.h"

#include "platform/PathText.h"
#include "platform/PosixMoves.h"
#include "platform/RegularFile.h"
#include "platform/WildcardPattern.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <time.h>
#include <unistd.h>
#include <utility>

namespace quillane {

namespace {

constexpr const char* DosAttributeName = "user.DOSATTRIB";
constexpr int DosAttributeBits = Attribute::Hidden | Attribute::System | Attribute::Archive;
// The one text file the program reads, the tips, is a few kilobytes; a far larger one is no tips
// file, and showing a huge line would hold up the start.
constexpr qint64 LargestTextFile = 64 * 1024;

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

FileResult failed(int error) {
    FailureCause cause = FailureCause::Other;
    if (error == EACCES || error == EPERM || error == EROFS)
        cause = FailureCause::NoPermission;
    else if (error == ENOENT || error == ENOTDIR)
        cause = FailureCause::FolderMissing;
    return {FileOutcome::Failed, qt_error_string(error), cause};
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

// The file system has no such call, or none for this kind of value.
bool unsupported(int error) {
    static_assert(ENOTSUP == EOPNOTSUPP, "Linux gives both one number; elsewhere test both");
    return error == ENOSYS || error == ENOTSUP;
}

// What a copy cannot keep is left behind, as the contents matter more: FAT has no modes, and EPERM
// on a file we have just created is the file system refusing, or the kernel keeping names only the
// system may write.
bool notKeptOnCopy(int error) {
    return unsupported(error) || error == EPERM;
}

bool copyExtendedAttributes(int in, int out) {
    const ssize_t listSize = ::flistxattr(in, nullptr, 0);
    if (listSize <= 0)
        return listSize == 0 || unsupported(errno);
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
            !notKeptOnCopy(errno))
            return false;
    }
    return true;
}

bool copyModeAndTimes(int out, const struct stat& st) {
    const std::array<timespec, 2> times{st.st_atim, st.st_mtim};
    return (::fchmod(out, st.st_mode & 07777) == 0 || notKeptOnCopy(errno)) &&
           (::futimens(out, times.data()) == 0 || notKeptOnCopy(errno));
}

// A file system that cannot flush a folder has nothing more to make lasting.
bool syncFolder(const QByteArray& folder) {
    Descriptor dir(
        ::open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.valid() && (::fsync(dir.get()) == 0 || errno == EINVAL || unsupported(errno));
}

using posix::Place;

Place wholePath(const QByteArray& path) {
    return {AT_FDCWD, path.constData()};
}

bool entryExists(Place place) {
    struct stat st {};
    return ::fstatat(place.folder, place.name, &st, AT_SYMLINK_NOFOLLOW) == 0;
}

// The last step of a copy or link: the source goes. A removal reported as failed although the
// source is gone leaves the target as the only copy, so it stays.
bool removeSource(Place source) {
    return ::unlinkat(source.folder, source.name, 0) == 0 ||
           (errno == ENOENT && !entryExists(source));
}

// A move that failed for good: a taken name, a missing source, or the system's words. ENOENT
// also comes when the target's folder is missing, so the source itself is looked at.
FileResult failedMove(int error, Place source) {
    if (error == EEXIST)
        return outcome(FileOutcome::TargetExists);
    if (error == ENOENT && !entryExists(source))
        return outcome(FileOutcome::SourceMissing);
    return failed(error);
}

// Removes what a failed copy left behind and reports the failure.
FileResult abandonCopy(const QByteArray& copy, int error) {
    ::unlink(copy.constData());
    return failed(error);
}

// Gives a file another name on its file system without replacing one, by the narrowest means the
// file system offers; 0 or the error, EXDEV when the names are on two file systems. On failure
// both names are as they were.
int renameWithoutReplacing(Place source, Place target) {
    if (::renameat2(source.folder, source.name, target.folder, target.name, RENAME_NOREPLACE) == 0)
        return 0;
    // The kernel reports EXDEV before it looks at the flags, so EINVAL means one file system
    // without the no-replace rename.
    if (const int error = errno; error != EINVAL && !unsupported(error))
        return error;

    if (::linkat(source.folder, source.name, target.folder, target.name, 0) == 0) {
        if (removeSource(source))
            return 0;
        const int error = errno;
        ::unlinkat(target.folder, target.name, 0);
        return error;
    }
    // FAT and many shares have no hard links; a plain rename after a look is all they allow.
    // rename() refuses with EXDEV between file systems too, so such a move still gets copied.
    if (const int error = errno; error != EPERM && error != EMLINK && !unsupported(error))
        return error;
    struct stat st {};
    if (::fstatat(target.folder, target.name, &st, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    if (errno != ENOENT)
        return errno;
    return ::renameat(source.folder, source.name, target.folder, target.name) == 0 ? 0 : errno;
}

} // namespace

// The file is in exactly one place whatever fails. The target's name is given only to the whole,
// flushed copy: a kill while copying leaves the source and at most a "ren*.part" file.
FileResult posix::moveByCopying(const QByteArray& source, const QByteArray& target,
                                const CopyNotice& notice) {
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
        // A link is made whole at once; it needs no name of its own first.
        if (::symlink(linkText.constData(), target.constData()) != 0)
            return errno == EEXIST ? outcome(FileOutcome::TargetExists) : failed(errno);
        if (!removeSource(wholePath(source)))
            return abandonCopy(target, errno);
        return FileResult::success();
    }
    if (!S_ISREG(st.st_mode))
        return failed(EXDEV);
    // Seen here, a taken name costs no copy; the naming below still never replaces.
    if (entryExists(wholePath(target)))
        return outcome(FileOutcome::TargetExists);

    Descriptor in(::open(source.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!in.valid())
        return errno == ENOENT ? outcome(FileOutcome::SourceMissing) : failed(errno);
    if (::fstat(in.get(), &st) != 0)
        return failed(errno);
    const QByteArray folder = target.left(target.lastIndexOf('/') + 1);
    QByteArray copy = folder + "renXXXXXX.part";
    Descriptor out(::mkostemps(copy.data(), 5, O_CLOEXEC));
    if (!out.valid())
        return failed(errno);
    if (notice) {
        struct stat made {};
        if (::fstat(out.get(), &made) != 0)
            return abandonCopy(copy, errno);
        if (!notice(QFile::decodeName(copy), posix::identityOf(made)))
            return abandonCopy(copy, ECANCELED);
    }
    if (!copyContents(in.get(), out.get()) || !copyExtendedAttributes(in.get(), out.get()) ||
        !copyModeAndTimes(out.get(), st) || ::fsync(out.get()) != 0 || out.close() != 0)
        return abandonCopy(copy, errno);

    if (const int error = renameWithoutReplacing(wholePath(copy), wholePath(target)); error != 0) {
        ::unlink(copy.constData());
        return error == EEXIST ? outcome(FileOutcome::TargetExists) : failed(error);
    }
    // The source goes only once the new name is sure to last.
    if (!syncFolder(folder) || !removeSource(wholePath(source)))
        return abandonCopy(target, errno);
    return FileResult::success();
}

namespace {

// No DOS value is kept: none set, none possible there, or none a file of this kind may have.
bool noDosValue(int error) {
    return error == ENODATA || error == EPERM || unsupported(error);
}

bool hiddenByName(const QString& path) {
    return fileNameOf(path).startsWith(u'.');
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

FileIdentity posix::identityOf(const struct stat& st) {
    return {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino),
            static_cast<qint64>(st.st_size),
            static_cast<qint64>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

PosixFileSystem::~PosixFileSystem() {
    letFoldersGo();
}

void PosixFileSystem::holdFolders(const QStringList& folders) {
    // Past this many, folders are walked to as before rather than spend the process's descriptors.
    constexpr std::size_t MostHeld = 64;
    letFoldersGo();
    for (const QString& folder : folders) {
        if (m_held.size() == MostHeld)
            break;
        QByteArray path = native(folder);
        while (path.size() > 1 && path.endsWith('/'))
            path.chop(1);
        const int descriptor = ::open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (descriptor >= 0)
            m_held.push_back({std::move(path), descriptor});
    }
    std::sort(m_held.begin(), m_held.end(),
              [](const HeldFolder& a, const HeldFolder& b) { return a.path < b.path; });
}

void PosixFileSystem::letFoldersGo() {
    for (const HeldFolder& folder : m_held)
        ::close(folder.descriptor);
    m_held.clear();
}

Place PosixFileSystem::placeOf(const QByteArray& path) const {
    const qsizetype slash = path.lastIndexOf('/');
    if (m_held.empty() || slash < 0)
        return wholePath(path);
    const QByteArrayView folder =
        slash == 0 ? QByteArrayView("/") : QByteArrayView(path).first(slash);
    const auto held = std::lower_bound(
        m_held.begin(), m_held.end(), folder,
        [](const HeldFolder& a, QByteArrayView b) { return QByteArrayView(a.path) < b; });
    if (held == m_held.end() || QByteArrayView(held->path) != folder)
        return wholePath(path);
    return {held->descriptor, path.constData() + slash + 1};
}

FileResult PosixFileSystem::move(const QString& from, const QString& to, const CopyNotice& notice) {
    const QByteArray source = native(from);
    const QByteArray target = native(to);
    const int error = renameWithoutReplacing(placeOf(source), placeOf(target));
    if (error == 0)
        return FileResult::success();
    if (error == EXDEV)
        return posix::moveByCopying(source, target, notice);
    return failedMove(error, placeOf(source));
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
    } else if (size < 0 && !noDosValue(errno)) {
        return {failed(errno), 0};
    }
    if (hiddenByName(path))
        value |= Attribute::Hidden;
    return {FileResult::success(), value, posix::identityOf(st)};
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
    } else if (::removexattr(pinned.constData(), DosAttributeName) != 0 && errno != ENODATA) {
        // A refusal matters only where a value is there to be removed.
        xattrError = errno;
        if (::getxattr(pinned.constData(), DosAttributeName, nullptr, 0) < 0 && noDosValue(errno))
            xattrError = 0;
    }

    // Read-only goes on even when the other bits could not be kept.
    if (wantReadOnly && (st.st_mode & 07777) != (readOnly & 07777) &&
        ::chmod(pinned.constData(), readOnly & 07777) != 0)
        return failed(errno);
    return xattrError == 0 ? FileResult::success() : failed(xattrError);
}

bool PosixFileSystem::renameKeepsAttributes(const QString& from, const QString& to) {
    // The mode and the extended attributes go with the file; only hiding by name does not.
    return hiddenByName(from) == hiddenByName(to);
}

namespace {

FolderStamp stampOf(const struct stat& st) {
    return {st.st_mtim.tv_sec * 1'000'000'000LL + st.st_mtim.tv_nsec,
            static_cast<quint64>(st.st_ino)};
}

// File systems keep times coarser than they show them (a clock tick on ext4, two seconds on
// FAT), so a change within that span of the last one can leave the stamp as it was.
bool changedWithinStampResolution(const FolderStamp& stamp) {
    constexpr qint64 Resolution = 2'000'000'000LL;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec - stamp.modifiedNs < Resolution;
}

// Most names are plain ASCII, which decodes as it stands, with no round trip to check.
bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Appends the name the bytes give, ended by a NUL; tells whether encoding it again gives the same
// bytes.
bool appendDecoded(QString& names, QByteArrayView bytes) {
    bool decodes = true;
    if (isAscii(bytes)) {
        names.append(QLatin1StringView(bytes));
    } else {
        const QString name = QFile::decodeName(bytes.toByteArray());
        decodes = QFile::encodeName(name) == bytes;
        names.append(name);
    }
    names.append(QChar(u'\0'));
    return decodes;
}

using FolderHandle = std::unique_ptr<DIR, int (*)(DIR*)>;

// A folder open for reading, with its stamp taken before any name is read.
struct OpenFolder {
    FolderHandle dir;
    FolderNameListing listing;
};

std::optional<OpenFolder> openFolder(const QString& directory) {
    FolderHandle dir(::opendir(native(directory).constData()), ::closedir);
    struct stat st {};
    if (!dir || ::fstat(::dirfd(dir.get()), &st) != 0)
        return std::nullopt;
    OpenFolder folder{std::move(dir), {}};
    folder.listing.stamp = stampOf(st);
    folder.listing.recentlyChanged = changedWithinStampResolution(folder.listing.stamp);
    return folder;
}

} // namespace

std::optional<FolderListing> PosixFileSystem::list(const QString& directory,
                                                   const QString& pattern) {
    std::optional<OpenFolder> folder = openFolder(directory);
    if (!folder)
        return std::nullopt;
    // The bytes the folder gives every path in it, its separator included.
    const qsizetype folderBytes = native(directory).size() + (endsWithSeparator(directory) ? 0 : 1);
    // Every name, so that the plan that follows an add need not read the folder again, in one
    // text that the entries' names lie in too.
    FolderListing listing{{}, std::move(folder->listing)};
    QString& names = listing.names.names;
    DIR* dir = folder->dir.get();
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArrayView bytes(entry->d_name);
        if (bytes == "." || bytes == "..")
            continue;
        DirectoryEntry found;
        found.nameAt = names.size();
        found.nameDecodes = appendDecoded(names, bytes);
        found.nameLength = names.size() - 1 - found.nameAt;
        found.pathTooLong = folderBytes + bytes.size() >= PATH_MAX;
        if (!matchesWildcard(listing.nameOf(found), pattern))
            continue;
        found.isSymbolicLink = entry->d_type == DT_LNK;
        found.isDirectory = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat st {};
            if (entry->d_type == DT_UNKNOWN &&
                ::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0)
                found.isSymbolicLink = S_ISLNK(st.st_mode);
            found.isDirectory =
                ::fstatat(::dirfd(dir), entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        listing.entries.append(found);
    }
    return listing;
}

std::optional<FolderNameListing> PosixFileSystem::folderNames(const QString& directory) {
    std::optional<OpenFolder> folder = openFolder(directory);
    if (!folder)
        return std::nullopt;
    FolderNameListing& listing = folder->listing;
    while (const dirent* entry = ::readdir(folder->dir.get())) {
        const QByteArrayView bytes(entry->d_name);
        if (bytes == "." || bytes == "..")
            continue;
        appendDecoded(listing.names, bytes);
    }
    return std::move(listing);
}

std::optional<FolderStamp> PosixFileSystem::folderStamp(const QString& directory) {
    struct stat st {};
    if (::stat(native(directory).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return stampOf(st);
}

std::optional<FileIdentity> PosixFileSystem::identity(const QString& path) {
    struct stat st {};
    const QByteArray name = native(path);
    const Place place = placeOf(name);
    if (::fstatat(place.folder, place.name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return posix::identityOf(st);
}

bool PosixFileSystem::exists(const QString& path) {
    const QByteArray name = native(path);
    return entryExists(placeOf(name));
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
    const FileBytesResult read = readRegularFile(path, LargestTextFile);
    if (!read.result.ok())
        return {read.result, {}};
    QStringDecoder decode("windows-1252");
    return {FileResult::success(), decode(read.bytes)};
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
