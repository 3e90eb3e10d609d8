#include "rules/Clock.h"

#include <QDateTime>

#include <limits>

namespace quillane {

LocalDateTime SystemClock::now() const {
    // Converting to local time consults the time-zone database, which costs more than naming a
    // file. A second's local time stays the same, so each thread converts each second once.
    thread_local qint64 convertedSecond = std::numeric_limits<qint64>::min();
    thread_local LocalDateTime secondStart;
    const qint64 msecs = QDateTime::currentMSecsSinceEpoch();
    const qint64 second = msecs >= 0 ? msecs / 1000 : (msecs - 999) / 1000;
    if (second != convertedSecond) {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(second * 1000, Qt::LocalTime);
        secondStart = {local.date(), local.time()};
        convertedSecond = second;
    }
    return {secondStart.date, secondStart.time.addMSecs(static_cast<int>(msecs - second * 1000))};
}

} // namespace quillane
