#pragma once

#include "platform/FileDatesSource.h"

#include <condition_variable>
#include <mutex>

namespace quillane {

// Another source's dates, each read held back while the gate is shut, so that a test can catch
// the reading half way; counts what it was asked.
class GatedFileDates final : public FileDatesSource {
public:
    explicit GatedFileDates(const FileDatesSource& inner) : m_inner(inner) {}

    FileMoments read(const QString& path, bool taken) const override {
        {
            std::unique_lock lock(m_mutex);
            m_opened.wait(lock, [this] { return m_open; });
            ++m_reads;
        }
        return m_inner.read(path, taken);
    }
    void setOpen(bool open) {
        {
            const std::lock_guard lock(m_mutex);
            m_open = open;
        }
        m_opened.notify_all();
    }
    int reads() const {
        const std::lock_guard lock(m_mutex);
        return m_reads;
    }

private:
    const FileDatesSource& m_inner;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_opened;
    bool m_open = true;
    mutable int m_reads = 0;
};

} // namespace quillane
