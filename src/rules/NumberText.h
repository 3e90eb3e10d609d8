#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace quillane {

// The whole number written by the digits at the start of the text after any leading blanks;
// 0 when the text does not start with a digit. Saturates instead of overflowing.
quint64 leadingNumber(QStringView text);

// True for digits with an optional leading sign, decimal point and fraction, and blanks around.
bool readsAsNumber(QStringView text);

// True for a non-empty text made only of the digits 0 to 9.
bool isDigitString(QStringView text);

} // namespace quillane
