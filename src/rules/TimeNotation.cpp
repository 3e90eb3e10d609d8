#include "rules/TimeNotation.h"

namespace quillane {

namespace {

// The text between the hours and the minutes of the locale's short time format.
QString hourMinuteSeparator(const QString& format) {
    qsizetype hours = format.indexOf(u'h', 0, Qt::CaseInsensitive);
    if (hours < 0)
        return {};
    while (hours < format.size() && format[hours].toLower() == u'h')
        ++hours;
    const qsizetype minutes = format.indexOf(u'm', hours);
    if (minutes < 0)
        return {};
    return format.sliced(hours, minutes - hours).remove(u'\'');
}

} // namespace

TimeNotation TimeNotation::fromLocale(const QLocale& locale) {
    return fromFormat(locale.timeFormat(QLocale::ShortFormat), locale.amText(), locale.pmText());
}

TimeNotation TimeNotation::fromFormat(const QString& shortTimeFormat, const QString& beforeNoon,
                                      const QString& afterNoon) {
    TimeNotation notation;
    if (const QString separator = hourMinuteSeparator(shortTimeFormat); !separator.isEmpty())
        notation.separator = separator;
    if (!beforeNoon.isEmpty())
        notation.beforeNoon = beforeNoon;
    if (!afterNoon.isEmpty())
        notation.afterNoon = afterNoon;
    return notation;
}

} // namespace quillane
