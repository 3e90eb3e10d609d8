#include "rules/UrlEscapes.h"

#include "rules/Windows1252.h"

#include <algorithm>

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
    const qsizetype firstPercent = szString.indexOf(u'%');
    if (firstPercent < 0)
        return szString;
    // Decoding only shortens the text, so one buffer of the input's length holds the result.
    const qsizetype length = szString.size();
    QString decoded(length, Qt::Uninitialized);
    QChar* out = decoded.data();
    const QChar* in = szString.constData();
    std::copy(in, in + firstPercent, out);
    qsizetype written = firstPercent;
    for (qsizetype i = firstPercent; i < length; ++i) {
        if (in[i] == u'%' && i + 2 < length) {
            if (const auto code = UnHex(QStringView(in + i + 1, 2))) {
                out[written++] = windows1252Char(*code);
                i += 2;
                continue;
            }
        }
        out[written++] = in[i];
    }
    decoded.truncate(written);
    return decoded;
}

} // namespace quillane
