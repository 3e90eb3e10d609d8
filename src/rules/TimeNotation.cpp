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
    TimeNotation notation;
    if (const QString separator = hourMinuteSeparator(locale.timeFormat(QLocale::ShortFormat));
        !separator.isEmpty())
        notation.separator = separator;
    if (!locale.amText().isEmpty())
        notation.beforeNoon = locale.amText();
    if (!locale.pmText().isEmpty())
        notation.afterNoon = locale.pmText();
    return notation;
}

} // namespace quillane
