#pragma once

#include "platform/FileSystem.h"

namespace quillane {

// Passes every call to a real file system, except that call number `failAt` (counted from 1 over
// every operation that changes or reads a file) reports `outcome` without doing anything; 0
// fails none. `failAll` fails every call from there on.
class FailingFileSystem final : public FileSystem {
public:
    FailingFileSystem(FileSystem& real, int failAt, FileOutcome outcome = FileOutcome::Failed,
                      FailureCause cause = FailureCause::Other, bool failAll = false)
        : m_real(real), m_failAt(failAt), m_outcome(outcome), m_cause(cause), m_failAll(failAll) {}

    int calls() const { return m_calls; }

    using FileSystem::move;
    FileResult move(const QString& from, const QString& to, const CopyNotice& notice) override {
        return fails() ? injected() : m_real.move(from, to, notice);
    }
    FileResult remove(const QString& path) override {
        return fails() ? injected() : m_real.remove(path);
    }
    AttributeResult attributes(const QString& path) override {
        return fails() ? AttributeResult{injected(), 0} : m_real.attributes(path);
    }
    FileResult setAttributes(const QString& path, int value) override {
        return fails() ? injected() : m_real.setAttributes(path, value);
    }
    TempFileResult createTempFile(const QString& directory, const QString& prefix) override {
        return fails() ? TempFileResult{injected(), {}} : m_real.createTempFile(directory, prefix);
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
    bool fails() {
        ++m_calls;
        return m_failAt > 0 && (m_calls == m_failAt || (m_failAll && m_calls > m_failAt));
    }
    FileResult injected() const {
        return {m_outcome, QStringLiteral("Input/output error"), m_cause};
    }

    FileSystem& m_real;
    int m_failAt;
    FileOutcome m_outcome;
    FailureCause m_cause;
    bool m_failAll;
    int m_calls = 0;
};

} // namespace quillane
