#pragma once

#include <QChar>
#include <QString>

namespace quillane {

// Converts a base name by CaseMode: 0 unchanged, 1 upper, 2 lower, 3 title, 4 sentence, 5 toggle.
// Any other mode leaves the text unchanged.
QString ApplyCaseMode(int CaseMode, QString text);

// Upper-cases the first character and every character that follows separator after ".", "!" or
// "?"; lower-cases nothing and keeps the length.
QString Scase(const QString& scaseIn, QChar separator);

// Swaps the case of the letters A to Z and a to z; every other character stays.
QString Tcase(const QString& tcaseIn);

} // namespace quillane
