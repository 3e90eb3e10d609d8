#pragma once

#include "tests/renamelist/ForwardingFileSystem.h"

namespace quillane {

// Passes every call to a real file system, except that call number `failAt` (counted from 1 over
// every operation that changes or reads a file) reports `outcome` without doing anything; 0
// fails none. `failAll` fails every call from there on.
class FailingFileSystem final : public ForwardingFileSystem {
public:
    FailingFileSystem(FileSystem& real, int failAt, FileOutcome outcome = FileOutcome::Failed,
                      FailureCause cause = FailureCause::Other, bool failAll = false)
        : ForwardingFileSystem(real), m_failAt(failAt), m_outcome(outcome), m_cause(cause),
          m_failAll(failAll) {}

    int calls() const { return m_calls; }

    using FileSystem::move;
    FileResult move(const QString& from, const QString& to, const CopyNotice& notice) override {
        return fails() ? injected() : ForwardingFileSystem::move(from, to, notice);
    }
    FileResult remove(const QString& path) override {
        return fails() ? injected() : ForwardingFileSystem::remove(path);
    }
    AttributeResult attributes(const QString& path) override {
        return fails() ? AttributeResult{injected(), 0} : ForwardingFileSystem::attributes(path);
    }
    FileResult setAttributes(const QString& path, int value) override {
        return fails() ? injected() : ForwardingFileSystem::setAttributes(path, value);
    }

private:
    bool fails() {
        ++m_calls;
        return m_failAt > 0 && (m_calls == m_failAt || (m_failAll && m_calls > m_failAt));
    }
    FileResult injected() const {
        return {m_outcome, QStringLiteral("Input/output error"), m_cause};
    }

    int m_failAt;
    FileOutcome m_outcome;
    FailureCause m_cause;
    bool m_failAll;
    int m_calls = 0;
};

} // namespace quillane
