#pragma once

#include "platform/FileSystem.h"
#include "platform/PosixMoves.h"

#include <QByteArray>

#include <vector>

namespace quillane {

// The file system of a POSIX host (Linux): renames that never replace, attribute values kept in
// permissions and in the extended attribute user.DOSATTRIB.
class PosixFileSystem : public FileSystem {
public:
    PosixFileSystem() = default;
    PosixFileSystem(const PosixFileSystem&) = delete;
    PosixFileSystem& operator=(const PosixFileSystem&) = delete;
    ~PosixFileSystem() override;

    using FileSystem::move;
    FileResult move(const QString& from, const QString& to, const CopyNotice& notice) override;
    FileResult remove(const QString& path) override;
    AttributeResult attributes(const QString& path) override;
    FileResult setAttributes(const QString& path, int attributes) override;
    bool renameKeepsAttributes(const QString& from, const QString& to) override;
    std::optional<FolderListing> list(const QString& directory, const QString& pattern) override;
    std::optional<FolderNameListing> folderNames(const QString& directory) override;
    std::optional<FolderStamp> folderStamp(const QString& directory) override;
    std::optional<FileIdentity> identity(const QString& path) override;
    bool exists(const QString& path) override;
    bool isDirectory(const QString& path) override;
    QString canonicalPath(const QString& path) override;
    TextFileResult readTextFile(const QString& path) override;
    FileResult writeTextFile(const QString& path, const QString& text) override;
    void holdFolders(const QStringList& folders) override;
    void letFoldersGo() override;
    bool readsFromAnyThread() const override { return true; }

private:
    struct HeldFolder {
        QByteArray path;
        int descriptor;
    };
    // Within a held folder when the path is in one; `path` must outlive the place.
    posix::Place placeOf(const QByteArray& path) const;

    // Sorted by path, and only read while held, so that threads may share it.
    std::vector<HeldFolder> m_held;
};

} // namespace quillane
