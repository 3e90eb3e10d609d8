#include "rules/UrlEscapes.h"

#include "rules/Windows1252.h"

namespace quillane {

namespace {

std::optional<int> hexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return std::nullopt;
}

} // namespace

std::optional<unsigned char> UnHex(QStringView szString) {
    if (szString.size() != 2)
        return std::nullopt;
    const auto high = hexDigitValue(szString[0]);
    const auto low = hexDigitValue(szString[1]);
    if (!high || !low)
        return std::nullopt;
    return static_cast<unsigned char>(*high * 16 + *low);
}

QString ConUrlHex(const QString& szString) {
    qsizetype percent = szString.indexOf(u'%');
    if (percent < 0)
        return szString;
    QString decoded;
    decoded.reserve(szString.size());
    decoded.append(QStringView(szString).first(percent));
    const qsizetype length = szString.size();
    for (qsizetype i = percent; i < length; ++i) {
        if (szString[i] == u'%' && i + 2 < length) {
            if (const auto code = UnHex(QStringView(szString).sliced(i + 1, 2))) {
                decoded.append(windows1252Char(*code));
                i += 2;
                continue;
            }
        }
        decoded.append(szString[i]);
    }
    return decoded;
}

} // namespace quillane
