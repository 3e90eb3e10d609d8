#pragma once

#include <QLocale>
#include <QString>

namespace quillane {

// How the locale writes a time of day: the separator between hours and minutes and the
// designators for before noon and for noon and after.
struct TimeNotation {
    QString separator = QStringLiteral(":");
    QString beforeNoon = QStringLiteral("AM");
    QString afterNoon = QStringLiteral("PM");

    static TimeNotation fromLocale(const QLocale& locale);
    // The separator is what the short time format writes between hours and minutes, quotes
    // removed. Empty designators keep AM and PM: the stamp's clock has 12 hours.
    static TimeNotation fromFormat(const QString& shortTimeFormat, const QString& beforeNoon,
                                   const QString& afterNoon);
};

} // namespace quillane
