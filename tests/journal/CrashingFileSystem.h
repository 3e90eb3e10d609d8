#pragma once

#include "platform/FileSystem.h"

namespace quillane {

// Thrown where the program would have been killed.
struct Crash {};

// Passes every call to a real file system until call number `crashAt` of those that change
// something (counted from 1), which throws instead of being made: to the run, the process ended
// there. 0 never crashes.
class CrashingFileSystem final : public FileSystem {
public:
    CrashingFileSystem(FileSystem& real, int crashAt) : m_real(real), m_crashAt(crashAt) {}

    int changes() const { return m_changes; }

    using FileSystem::move;
    FileResult move(const QString& from, const QString& to, const CopyNotice& notice) override {
        change();
        return m_real.move(from, to, notice);
    }
    FileResult remove(const QString& path) override {
        change();
        return m_real.remove(path);
    }
    AttributeResult attributes(const QString& path) override { return m_real.attributes(path); }
    FileResult setAttributes(const QString& path, int value) override {
        change();
        return m_real.setAttributes(path, value);
    }
    TempFileResult createTempFile(const QString& directory, const QString& prefix) override {
        change();
        return m_real.createTempFile(directory, prefix);
    }
    std::optional<QList<DirectoryEntry>> list(const QString& directory,
                                              const QString& pattern) override {
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
    void change() {
        if (++m_changes == m_crashAt)
            throw Crash();
    }

    FileSystem& m_real;
    int m_crashAt;
    int m_changes = 0;
};

} // namespace quillane
