#include "rules/DateTimeStamper.h"

#include <array>
#include <string_view>

namespace quillane {

namespace {

// Formats 0 to 11; 12 is the time alone; 13 to 24 are formats 0 to 11 followed by the time.
constexpr std::array<std::string_view, 12> DatePatterns = {
    "ddmmyy",   "ddmmyyyy", "yymmdd",     "yyyymmdd", "ddmm",     "mmdd",
    "dd-mm-yy", "dd-mm-yyyy", "yy-mm-dd", "yyyy-mm-dd", "dd-mm", "mm-dd"};
constexpr int TimeOnlyFormat = 12;
constexpr int LastFormat = 24;

void appendTwoDigits(QString& out, int value) {
    out.append(QChar(static_cast<char16_t>(u'0' + value / 10 % 10)));
    out.append(QChar(static_cast<char16_t>(u'0' + value % 10)));
}

void appendDate(QString& out, std::string_view pattern, QDate date) {
    for (std::size_t i = 0; i < pattern.size();) {
        if (pattern.substr(i, 4) == "yyyy") {
            out.append(QString::number(date.year()).rightJustified(4, u'0'));
            i += 4;
        } else if (pattern.substr(i, 2) == "yy") {
            appendTwoDigits(out, date.year() % 100);
            i += 2;
        } else if (pattern.substr(i, 2) == "mm") {
            appendTwoDigits(out, date.month());
            i += 2;
        } else if (pattern.substr(i, 2) == "dd") {
            appendTwoDigits(out, date.day());
            i += 2;
        } else {
            out.append(QChar(static_cast<char16_t>(pattern[i])));
            ++i;
        }
    }
}

// "hh:mm AMPM" on the 12-hour clock: midnight is 12 in the morning, noon 12 in the afternoon.
void appendTime(QString& out, QTime time, const TimeNotation& notation) {
    const int hour = time.hour();
    appendTwoDigits(out, hour % 12 == 0 ? 12 : hour % 12);
    out.append(notation.separator);
    appendTwoDigits(out, time.minute());
    out.append(u' ');
    out.append(hour < 12 ? notation.beforeNoon : notation.afterNoon);
}

} // namespace

QString StampText(int StampFormat, const LocalDateTime& at, const TimeNotation& notation) {
    QString stamp;
    if (StampFormat < 0 || StampFormat > LastFormat)
        return stamp;
    stamp.reserve(32);
    if (StampFormat == TimeOnlyFormat) {
        appendTime(stamp, at.time, notation);
        return stamp;
    }
    const bool withTime = StampFormat > TimeOnlyFormat;
    appendDate(stamp, DatePatterns[static_cast<std::size_t>(withTime ? StampFormat - 13 : StampFormat)],
               at.date);
    if (withTime) {
        stamp.append(u' ');
        appendTime(stamp, at.time, notation);
    }
    return stamp;
}

DateTimeStamper::DateTimeStamper(const Clock& clock, TimeNotation notation)
    : m_clock(&clock), m_notation(std::move(notation)) {}

DateTimeStamper DateTimeStamper::system() {
    static const SystemClock clock;
    return DateTimeStamper(clock, TimeNotation::fromLocale(QLocale::system()));
}

QString DateTimeStamper::stampNow(int StampFormat) const {
    return StampText(StampFormat, m_clock->now(), m_notation);
}

} // namespace quillane
