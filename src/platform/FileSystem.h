#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quillane {

enum class FileOutcome {
    Ok,
    TargetExists,  // something already has the target name; nothing was changed
    SourceMissing, // the file is not there (any more); nothing was changed
    Failed,        // anything else; `message` holds the system's words
};

// Why an operation Failed, where the rename run handles the causes apart.
enum class FailureCause {
    Other,
    NoPermission,  // the system refused: no permission, or a read-only file system
    FolderMissing, // a folder on the way does not exist
};

struct [[nodiscard]] FileResult {
    FileOutcome outcome = FileOutcome::Ok;
    QString message;
    FailureCause cause = FailureCause::Other;

    bool ok() const { return outcome == FileOutcome::Ok; }
    static FileResult success() { return {}; }
};

// Attribute values as the rename run knows them; the platform maps them to what it has.
namespace Attribute {
inline constexpr int ReadOnly = 1;
inline constexpr int Hidden = 2;
inline constexpr int System = 4;
inline constexpr int Archive = 32;
} // namespace Attribute

// What tells a file apart wherever a rename takes it: a rename keeps its device and inode.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    // The same file: the same inode on the same device, or where a device may be numbered anew
    // (a disk plugged in again, a start of the system) the same inode, size and time.
    bool sameFile(const FileIdentity& other) const {
        return inode == other.inode &&
               (device == other.device || (size == other.size && modifiedNs == other.modifiedNs));
    }
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

struct [[nodiscard]] AttributeResult {
    FileResult result;
    int attributes = 0;
    std::optional<FileIdentity> identity{}; // the file read, where the platform tells it
};

struct DirectoryEntry {
    // Where the name lies in its listing's names.
    qsizetype nameAt = 0;
    qsizetype nameLength = 0;
    bool isDirectory = false; // a folder, or a link to one
    bool isSymbolicLink = false;
    bool nameDecodes = true;  // false: the name is not valid in the system's encoding
    bool pathTooLong = false; // the folder and the name together are longer than a path may be
    friend bool operator==(const DirectoryEntry&, const DirectoryEntry&) = default;
};
} // namespace quillane
Q_DECLARE_TYPEINFO(quillane::DirectoryEntry, Q_RELOCATABLE_TYPE);
namespace quillane {

// Tells whether a folder's entries may have changed since it was last read.
struct FolderStamp {
    qint64 modifiedNs = 0; // the folder's modification time
    quint64 identity = 0;  // which folder it is (its inode), should another take its name
    friend bool operator==(const FolderStamp&, const FolderStamp&) = default;
};

// The names a folder holds, read at once, and how far they can be trusted later.
struct FolderNameListing {
    FolderStamp stamp; // taken before the names were read
    // The folder changed so lately that another change could still come with the same stamp.
    bool recentlyChanged = false;
    // Every name but "." and "..", each ended by a NUL, which no name holds: one text for all of
    // them, so that a folder of a million files costs no string per file.
    QString names;
};

// A folder's entries whose names match a pattern, and every name it holds, from one read of it.
struct FolderListing {
    QList<DirectoryEntry> entries;
    FolderNameListing names;

    QStringView nameOf(const DirectoryEntry& entry) const {
        return QStringView(names.names).sliced(entry.nameAt, entry.nameLength);
    }
};

// Told when a move to another file system has made the new file under its own name in the
// target's folder, before any content is written; false abandons the move. So a journal can
// know the copy before it exists as more than an empty file.
using CopyNotice = std::function<bool(const QString& copyPath, const FileIdentity& copy)>;

struct [[nodiscard]] TextFileResult {
    FileResult result;
    QString text;
};

// The file operations the program uses. Paths are whole paths with the host's separator.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Renames or moves a file; never replaces an existing target, also not one that appears
    // while the move runs. Across file systems the file is copied and the source removed, so that
    // the file ends up in exactly one of the two places, and the target's name never holds a part
    // of it; `notice` hears of the copy first.
    virtual FileResult move(const QString& from, const QString& to, const CopyNotice& notice) = 0;
    FileResult move(const QString& from, const QString& to) { return move(from, to, {}); }
    virtual FileResult remove(const QString& path) = 0;
    // Never follows a symbolic link: a link's own attributes are read, and set only where the
    // platform can set them on the link itself.
    virtual AttributeResult attributes(const QString& path) = 0;
    virtual FileResult setAttributes(const QString& path, int attributes) = 0;
    // Whether the attributes a file shows under `from` are the ones it shows under `to` once
    // renamed there, so that nothing needs writing to keep them.
    virtual bool renameKeepsAttributes(const QString& from, const QString& to) = 0;
    // The entries of a directory whose names match a wildcard pattern ("*", "?"), without "."
    // and "..", with all the names it holds; nothing when the directory cannot be read.
    [[nodiscard]] virtual std::optional<FolderListing> list(const QString& directory,
                                                            const QString& pattern) = 0;
    // Every name in a folder, of files, folders and links alike; nothing when it cannot be read.
    [[nodiscard]] virtual std::optional<FolderNameListing>
    folderNames(const QString& directory) = 0;
    // Nothing when the folder is not there or cannot be looked at.
    [[nodiscard]] virtual std::optional<FolderStamp> folderStamp(const QString& directory) = 0;
    // The file under the path itself, a link not followed; nothing when there is none.
    [[nodiscard]] virtual std::optional<FileIdentity> identity(const QString& path) = 0;
    virtual bool exists(const QString& path) = 0;
    virtual bool isDirectory(const QString& path) = 0;
    // The path with every link resolved, or empty when it cannot be resolved.
    virtual QString canonicalPath(const QString& path) = 0;
    // Whole text files in the single-byte code page (Windows-1252). Only a regular file of a few
    // kilobytes is read; anything else under the name fails as a damaged file does.
    virtual TextFileResult readTextFile(const QString& path) = 0;
    virtual FileResult writeTextFile(const QString& path, const QString& text) = 0;

    // A run works in the same few folders again and again: until they are let go, the platform
    // may keep them open so that a move or a look need not walk their paths each time. Nothing
    // stays open after, as an open folder keeps its disk from being unmounted.
    virtual void holdFolders(const QStringList& /*folders*/) {}
    virtual void letFoldersGo() {}
    // Whether identity and attributes may be asked from several threads at once, never while
    // folders are taken or let go; and a folder's names and stamp from any thread at any time.
    virtual bool readsFromAnyThread() const { return false; }
};

// Holds folders open for as long as it lives.
class HeldFolders {
public:
    HeldFolders(FileSystem& files, const QStringList& folders) : m_files(files) {
        m_files.holdFolders(folders);
    }
    HeldFolders(const HeldFolders&) = delete;
    HeldFolders& operator=(const HeldFolders&) = delete;
    ~HeldFolders() { m_files.letFoldersGo(); }

private:
    FileSystem& m_files;
};

} // namespace quillane
