#include "rules/CaseModes.h"

namespace quillane {

namespace {

// Upper-cases the character starting at `at` in place, surrogate pairs included, when its upper
// case takes as many code units as it does.
void upperCaseAt(QString& text, qsizetype at) {
    const QChar first = text[at];
    if (first.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
        const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(first, text[at + 1]));
        if (QChar::requiresSurrogates(upper)) {
            text[at] = QChar(QChar::highSurrogate(upper));
            text[at + 1] = QChar(QChar::lowSurrogate(upper));
        }
        return;
    }
    const char32_t upper = QChar::toUpper(first.unicode());
    if (!QChar::requiresSurrogates(upper))
        text[at] = QChar(static_cast<char16_t>(upper));
}

// Spaces and the control characters (U+0000 to U+001F, U+007F to U+009F).
bool separatesWords(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

QString titleCase(QString text) {
    text = std::move(text).toLower();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if ((i == 0 || separatesWords(text[i - 1])) && !text[i].isLowSurrogate())
            upperCaseAt(text, i);
    }
    return text;
}

bool endsSentence(QChar c) {
    return c == u'.' || c == u'!' || c == u'?';
}

} // namespace

QString Scase(const QString& scaseIn, QChar separator) {
    QString out = scaseIn;
    if (out.isEmpty())
        return out;
    upperCaseAt(out, 0);
    // Starting at 2: a separator in first place has nothing before it to end a sentence.
    for (qsizetype p = 2; p < scaseIn.size(); ++p) {
        if (scaseIn[p - 1] == separator && endsSentence(scaseIn[p - 2]))
            upperCaseAt(out, p);
    }
    return out;
}

QString Tcase(const QString& tcaseIn) {
    QString out = tcaseIn;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            c = QChar(static_cast<char16_t>(u + (u'a' - u'A')));
        else if (u >= u'a' && u <= u'z')
            c = QChar(static_cast<char16_t>(u - (u'a' - u'A')));
    }
    return out;
}

QString ApplyCaseMode(int CaseMode, QString text) {
    switch (CaseMode) {
    case 1:
        return std::move(text).toUpper();
    case 2:
        return std::move(text).toLower();
    case 3:
        return titleCase(std::move(text));
    case 4:
        return Scase(text, u' ');
    case 5:
        return Tcase(text);
    default:
        return text;
    }
}

} // namespace quillane
