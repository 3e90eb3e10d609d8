#pragma once

#include "platform/FileSystem.h"

namespace quillane {

// Passes every call to a real file system, except that call number `failAt` (counted from 1 over
// every operation that changes or reads a file) reports `outcome` without doing anything.
class FailingFileSystem final : public FileSystem {
public:
    FailingFileSystem(FileSystem& real, int failAt, FileOutcome outcome = FileOutcome::Failed)
        : m_real(real), m_failAt(failAt), m_outcome(outcome) {}

    int calls() const { return m_calls; }

    FileResult move(const QString& from, const QString& to) override {
        return fails() ? injected() : m_real.move(from, to);
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
    bool exists(const QString& path) override { return m_real.exists(path); }
    bool isDirectory(const QString& path) override { return m_real.isDirectory(path); }
    QString canonicalPath(const QString& path) override { return m_real.canonicalPath(path); }
    TextFileResult readTextFile(const QString& path) override { return m_real.readTextFile(path); }
    FileResult writeTextFile(const QString& path, const QString& text) override {
        return m_real.writeTextFile(path, text);
    }

private:
    bool fails() { return ++m_calls == m_failAt; }
    FileResult injected() const { return {m_outcome, QStringLiteral("Input/output error")}; }

    FileSystem& m_real;
    int m_failAt;
    FileOutcome m_outcome;
    int m_calls = 0;
};

} // namespace quillane
