#pragma once

#include <QDate>
#include <QTime>

namespace quillane {

struct LocalDateTime {
    QDate date;
    QTime time;
};

// Where the date/time stamp reads the time; tests hand in a fixed one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// The system clock in the system's time zone.
class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
};

} // namespace quillane
