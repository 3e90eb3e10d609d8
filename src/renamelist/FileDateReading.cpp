#include "renamelist/FileDateReading.h"

#include "platform/PathText.h"
#include "renamelist/GroupedNumber.h"

#include <QMetaObject>

#include <chrono>

namespace quillane {

namespace {

// Often enough for the preview to fill in as it goes, seldom enough that refreshing it costs
// the window little.
constexpr std::chrono::milliseconds BatchInterval(200);

qint32 minutesOf(const QDateTime& moment) {
    return moment.isValid() ? FileDates::minutesOf({moment.date(), moment.time()})
                            : FileDates::None;
}

} // namespace

QString readingProgressText(qsizetype done, qsizetype total) {
    return QStringLiteral("Reading file dates: %1 of %2").arg(grouped(done), grouped(total));
}

FileDates compactDates(const FileMoments& moments, bool taken) {
    FileDates dates;
    dates.modified = minutesOf(moments.modified);
    if (taken)
        dates.taken = minutesOf(moments.taken);
    return dates;
}

FileDateReading::FileDateReading(const FileDatesSource& source, QObject* parent)
    : QObject(parent), m_source(source) {}

FileDateReading::~FileDateReading() {
    stop();
}

void FileDateReading::stop() {
    if (m_stopped)
        m_stopped->store(true);
    if (m_thread.joinable())
        m_thread.join();
    m_stopped.reset();
    m_busy = false;
    // Batches already posted by the stopped job carry its number and are dropped.
    ++m_job;
}

void FileDateReading::start(QList<DateRequest> requests, bool taken) {
    stop();
    if (requests.isEmpty())
        return;
    m_busy = true;
    auto stopped = std::make_shared<std::atomic<bool>>(false);
    m_stopped = stopped;
    const quint64 job = m_job;
    m_thread = std::thread([this, job, stopped, taken, requests = std::move(requests)] {
        const qsizetype total = requests.size();
        QList<ReadDates> batch;
        auto sent = std::chrono::steady_clock::now();
        for (qsizetype i = 0; i < total && !stopped->load(); ++i) {
            const DateRequest& request = requests[i];
            const FileMoments moments =
                m_source.read(pathIn(request.directory, request.filename), taken);
            batch.append({request, compactDates(moments, taken)});
            const bool last = i + 1 == total;
            const auto now = std::chrono::steady_clock::now();
            if (last || now - sent >= BatchInterval) {
                // stop() joins this thread before the object can go, so `this` outlives the
                // posted call's queueing; the call itself runs on the owner's thread.
                QMetaObject::invokeMethod(
                    this,
                    [this, job, answers = std::move(batch), done = i + 1, total, last]() mutable {
                        deliver(job, std::move(answers), done, total, last);
                    },
                    Qt::QueuedConnection);
                batch = {};
                sent = now;
            }
        }
    });
}

void FileDateReading::deliver(quint64 job, QList<ReadDates> answers, qsizetype done,
                              qsizetype total, bool last) {
    if (job != m_job)
        return;
    if (last) {
        m_busy = false;
        if (m_thread.joinable())
            m_thread.join();
        m_stopped.reset();
    }
    Q_EMIT read(answers, done, total);
    if (last)
        Q_EMIT finished();
}

} // namespace quillane
