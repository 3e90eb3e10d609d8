#pragma once

#include "rules/Clock.h"
#include "rules/TimeNotation.h"

#include <QString>

namespace quillane {

// The stamp text of a StampFormat (0 to 24) for a moment; empty for any other format and for a
// moment that is not a valid date and time.
QString StampText(int StampFormat, const LocalDateTime& at, const TimeNotation& notation);

// Stamps with the time read from a clock at each call.
class DateTimeStamper {
public:
    // The stamper keeps a reference to the clock, so the clock must outlive it.
    DateTimeStamper(const Clock& clock, TimeNotation notation);
    DateTimeStamper(const Clock&& clock, TimeNotation notation) = delete;

    // The system clock with the system locale's time notation.
    static DateTimeStamper system();

    QString stampNow(int StampFormat) const;
    // The stamp of a moment other than now, such as a file's date, in the same notation.
    QString stampAt(int StampFormat, const LocalDateTime& at) const;

private:
    const Clock* m_clock;
    TimeNotation m_notation;
};

} // namespace quillane
