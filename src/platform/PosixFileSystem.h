#pragma once

#include "platform/FileSystem.h"

namespace quillane {

// The file system of a POSIX host (Linux): renames that never replace, attribute values kept in
// permissions and in the extended attribute user.DOSATTRIB.
class PosixFileSystem : public FileSystem {
public:
    using FileSystem::move;
    FileResult move(const QString& from, const QString& to, const CopyNotice& notice) override;
    FileResult remove(const QString& path) override;
    AttributeResult attributes(const QString& path) override;
    FileResult setAttributes(const QString& path, int attributes) override;
    bool renameKeepsAttributes(const QString& from, const QString& to) override;
    std::optional<QList<DirectoryEntry>> list(const QString& directory,
                                              const QString& pattern) override;
    std::optional<FolderNameListing> folderNames(const QString& directory) override;
    std::optional<FolderStamp> folderStamp(const QString& directory) override;
    std::optional<FileIdentity> identity(const QString& path) override;
    bool exists(const QString& path) override;
    bool isDirectory(const QString& path) override;
    QString canonicalPath(const QString& path) override;
    TextFileResult readTextFile(const QString& path) override;
    FileResult writeTextFile(const QString& path, const QString& text) override;
};

} // namespace quillane
