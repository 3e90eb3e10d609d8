#include "rules/Clock.h"

#include <QDateTime>

namespace quillane {

LocalDateTime SystemClock::now() const {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date(), now.time()};
}

} // namespace quillane
