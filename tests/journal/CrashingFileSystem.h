#pragma once

#include "tests/renamelist/ForwardingFileSystem.h"

#include <functional>

namespace quillane {

// Thrown where the program would have been killed.
struct Crash {};

// Passes every call to a real file system until call number `crashAt` of those that change
// something (counted from 1), which crashes instead of being made: by default it throws, so that
// to the run the process ended there. 0 never crashes.
class CrashingFileSystem final : public ForwardingFileSystem {
public:
    CrashingFileSystem(
        FileSystem& real, int crashAt, std::function<void()> crash = [] { throw Crash(); })
        : ForwardingFileSystem(real), m_crashAt(crashAt), m_crash(std::move(crash)) {}

    int changes() const { return m_changes; }

    using FileSystem::move;
    FileResult move(const QString& from, const QString& to, const CopyNotice& notice) override {
        change();
        return ForwardingFileSystem::move(from, to, notice);
    }
    FileResult remove(const QString& path) override {
        change();
        return ForwardingFileSystem::remove(path);
    }
    FileResult setAttributes(const QString& path, int value) override {
        change();
        return ForwardingFileSystem::setAttributes(path, value);
    }

private:
    void change() {
        if (++m_changes == m_crashAt)
            m_crash();
    }

    int m_crashAt;
    std::function<void()> m_crash;
    int m_changes = 0;
};

// Crashes once a copy to another file system has its own name, before any content.
class CrashingCopies final : public ForwardingFileSystem {
public:
    using ForwardingFileSystem::ForwardingFileSystem;

    using FileSystem::move;
    FileResult move(const QString& from, const QString& to, const CopyNotice& notice) override {
        return ForwardingFileSystem::move(from, to,
                                          [&](const QString& copy, const FileIdentity& identity) {
                                              if (notice && !notice(copy, identity))
                                                  return false;
                                              throw Crash();
                                          });
    }
};

} // namespace quillane
