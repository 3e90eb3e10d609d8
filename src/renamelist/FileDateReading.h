#pragma once

#include "platform/FileDatesSource.h"
#include "rules/FileDates.h"

#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <thread>

namespace quillane {

// A row whose dates are wanted, named by its file so that an answer reaching a row the user
// has moved meanwhile is known for stale.
struct DateRequest {
    qint32 row;
    QString directory;
    QString filename;
};

// A request's answer.
struct ReadDates {
    DateRequest request;
    FileDates dates;
};

// Reads file dates on a thread of its own, so that a long list of photos never holds up the
// window. Answers come back in batches on the owner's thread, a few times a second.
class FileDateReading : public QObject {
    Q_OBJECT

public:
    explicit FileDateReading(const FileDatesSource& source, QObject* parent = nullptr);
    // Stops a reading under way and waits for its thread.
    ~FileDateReading() override;

    // Reads the requests in order, the moment taken too when `taken`; a reading under way stops
    // first, and what it had not sent is dropped.
    void start(QList<DateRequest> requests, bool taken);
    void stop();
    bool busy() const { return m_busy; }

Q_SIGNALS:
    // Answers for the latest start, with how far it got.
    void read(const QList<ReadDates>& answers, qsizetype done, qsizetype total);
    // The latest start read its last request.
    void finished();

private:
    void deliver(quint64 job, QList<ReadDates> answers, qsizetype done, qsizetype total, bool last);

    const FileDatesSource& m_source;
    std::shared_ptr<std::atomic<bool>> m_stopped;
    std::thread m_thread;
    quint64 m_job = 0;
    bool m_busy = false;
};

// "Reading file dates: 1,234 of 5,000".
QString readingProgressText(qsizetype done, qsizetype total);

// The compact form of what the source read; taken stays NotRead unless it was asked for.
FileDates compactDates(const FileMoments& moments, bool taken);

} // namespace quillane
