#include "rules/DateTimeStamper.h"

#include "rules/TextBuffer.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace quillane {

namespace {

// Formats 0 to 11; 12 is the time alone; 13 to 24 are formats 0 to 11 followed by the time.
constexpr std::array<std::string_view, 12> DatePatterns = {
    "ddmmyy",   "ddmmyyyy",   "yymmdd",   "yyyymmdd",   "ddmm",  "mmdd",
    "dd-mm-yy", "dd-mm-yyyy", "yy-mm-dd", "yyyy-mm-dd", "dd-mm", "mm-dd"};
constexpr int TimeOnlyFormat = 12;
constexpr int LastFormat = 24;

void appendDate(TextBuffer& out, std::string_view pattern, QDate date) {
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    const auto yearDigits = static_cast<quint64>(std::abs(year));
    for (std::size_t i = 0; i < pattern.size();) {
        if (pattern.substr(i, 4) == "yyyy") {
            out.appendDigits(yearDigits, 4);
            i += 4;
        } else if (pattern.substr(i, 2) == "yy") {
            out.appendDigits(yearDigits % 100, 2);
            i += 2;
        } else if (pattern.substr(i, 2) == "mm") {
            out.appendDigits(month, 2);
            i += 2;
        } else if (pattern.substr(i, 2) == "dd") {
            out.appendDigits(day, 2);
            i += 2;
        } else {
            out << QChar(static_cast<char16_t>(pattern[i]));
            ++i;
        }
    }
}

// "hh:mm AMPM" on the 12-hour clock: midnight is 12 in the morning, noon 12 in the afternoon.
void appendTime(TextBuffer& out, QTime time, const TimeNotation& notation) {
    const int hour = time.hour();
    out.appendDigits(hour % 12 == 0 ? 12 : hour % 12, 2);
    out << notation.separator;
    out.appendDigits(time.minute(), 2);
    out << QChar(u' ');
    out << (hour < 12 ? notation.beforeNoon : notation.afterNoon);
}

} // namespace

QString StampText(int StampFormat, const LocalDateTime& at, const TimeNotation& notation) {
    if (StampFormat < 0 || StampFormat > LastFormat || !at.date.isValid() || !at.time.isValid())
        return {};
    TextBuffer stamp;
    if (StampFormat == TimeOnlyFormat) {
        appendTime(stamp, at.time, notation);
        return stamp.toString();
    }
    const bool withTime = StampFormat > TimeOnlyFormat;
    const int dateFormat = withTime ? StampFormat - TimeOnlyFormat - 1 : StampFormat;
    appendDate(stamp, DatePatterns[static_cast<std::size_t>(dateFormat)], at.date);
    if (withTime) {
        stamp << QChar(u' ');
        appendTime(stamp, at.time, notation);
    }
    return stamp.toString();
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

QString DateTimeStamper::stampAt(int StampFormat, const LocalDateTime& at) const {
    return StampText(StampFormat, at, m_notation);
}

} // namespace quillane
