#include "rules/NumberText.h"

#include "rules/DecimalDigits.h"

#include <algorithm>
#include <limits>

namespace quillane {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

qsizetype skipBlanks(QStringView text, qsizetype from) {
    while (from < text.size() && isBlank(text[from]))
        ++from;
    return from;
}

qsizetype skipDigits(QStringView text, qsizetype from) {
    while (from < text.size() && isDigit(text[from]))
        ++from;
    return from;
}

QString padWithZeros(QStringView digits, int width) {
    QString padded(std::max<qsizetype>(width, digits.size()), u'0');
    std::copy(digits.begin(), digits.end(), padded.end() - digits.size());
    return padded;
}

} // namespace

quint64 leadingNumber(QStringView text) {
    constexpr quint64 max = std::numeric_limits<quint64>::max();
    quint64 value = 0;
    for (qsizetype i = skipBlanks(text, 0); i < text.size() && isDigit(text[i]); ++i) {
        const auto digit = static_cast<quint64>(text[i].unicode() - u'0');
        if (value > (max - digit) / 10)
            return max;
        value = value * 10 + digit;
    }
    return value;
}

bool readsAsNumber(QStringView text) {
    qsizetype i = skipBlanks(text, 0);
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype integerStart = i;
    i = skipDigits(text, i);
    bool hasDigits = i > integerStart;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fractionStart = ++i;
        i = skipDigits(text, i);
        hasDigits = hasDigits || i > fractionStart;
    }
    return hasDigits && skipBlanks(text, i) == text.size();
}

bool isDigitString(QStringView text) {
    return !text.isEmpty() && skipDigits(text, 0) == text.size();
}

QString zeroPadded(QStringView digits, int width) {
    qsizetype firstSignificant = 0;
    while (firstSignificant < digits.size() && digits[firstSignificant] == u'0')
        ++firstSignificant;
    return padWithZeros(digits.sliced(firstSignificant), width);
}

QString zeroPadded(quint64 number, int width) {
    return padWithZeros(DecimalDigits(number).view(), width);
}

} // namespace quillane
