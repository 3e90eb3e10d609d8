#include "rules/NumberText.h"

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

} // namespace quillane
