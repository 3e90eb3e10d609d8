#pragma once

#include "platform/FileSystem.h"

namespace quillane {

// Passes every call to a real file system; test decorators override the calls they change.
class ForwardingFileSystem : public FileSystem {
public:
    explicit ForwardingFileSystem(FileSystem& real) : m_real(real) {}

    using FileSystem::move;
    FileResult move(const QString& from, const QString& to, const CopyNotice& notice) override {
        return m_real.move(from, to, notice);
    }
    FileResult remove(const QString& path) override { return m_real.remove(path); }
    AttributeResult attributes(const QString& path) override { return m_real.attributes(path); }
    FileResult setAttributes(const QString& path, int value) override {
        return m_real.setAttributes(path, value);
    }
    bool renameKeepsAttributes(const QString& from, const QString& to) override {
        return m_real.renameKeepsAttributes(from, to);
    }
    std::optional<FolderListing> list(const QString& directory, const QString& pattern) override {
        return m_real.list(directory, pattern);
    }
    std::optional<FolderNameListing> folderNames(const QString& directory) override {
        return m_real.folderNames(directory);
    }
    std::optional<FolderStamp> folderStamp(const QString& directory) override {
        return m_real.folderStamp(directory);
    }
    std::optional<FileIdentity> identity(const QString& path) override {
        return m_real.identity(path);
    }
    bool exists(const QString& path) override { return m_real.exists(path); }
    bool isDirectory(const QString& path) override { return m_real.isDirectory(path); }
    QString canonicalPath(const QString& path) override { return m_real.canonicalPath(path); }
    TextFileResult readTextFile(const QString& path) override { return m_real.readTextFile(path); }
    FileResult writeTextFile(const QString& path, const QString& text) override {
        return m_real.writeTextFile(path, text);
    }

private:
    FileSystem& m_real;
};

} // namespace quillane
