#pragma once

#include <QString>

#include <ostream>

// Lets test failures show texts rather than bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
