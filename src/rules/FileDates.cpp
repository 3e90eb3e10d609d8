#include "rules/FileDates.h"

namespace quillane {

namespace {

constexpr qint64 MinutesPerDay = 24 * 60;
// The Julian day of 1 January 1970, a constant so that moments can be converted while other
// files' globals are still being set up.
constexpr qint64 FirstDay = 2440588;

} // namespace

qint32 FileDates::minutesOf(const LocalDateTime& moment) {
    if (!moment.date.isValid() || !moment.time.isValid())
        return None;
    const qint64 minutes = (moment.date.toJulianDay() - FirstDay) * MinutesPerDay +
                           moment.time.hour() * 60 + moment.time.minute();
    if (minutes <= None || minutes > std::numeric_limits<qint32>::max())
        return None;
    return static_cast<qint32>(minutes);
}

std::optional<LocalDateTime> FileDates::momentOf(qint32 minutes) {
    if (minutes == NotRead || minutes == None)
        return std::nullopt;
    // Floor division, so that a moment before 1970 lands on its own day.
    const qint64 day = minutes >= 0 ? minutes / MinutesPerDay
                                    : -((-qint64(minutes) + MinutesPerDay - 1) / MinutesPerDay);
    const auto inDay = static_cast<int>(minutes - day * MinutesPerDay);
    return LocalDateTime{QDate::fromJulianDay(FirstDay + day), QTime(inDay / 60, inDay % 60)};
}

} // namespace quillane
