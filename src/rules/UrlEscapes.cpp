#include "rules/UrlEscapes.h"

#include "rules/Windows1252.h"

#include <QVarLengthArray>

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

// The length of the well-formed UTF-8 sequence that starts the bytes, or 0 when none does.
int utf8SequenceLength(const unsigned char* bytes, qsizetype count) {
    const unsigned char lead = bytes[0];
    if (lead < 0x80)
        return 1;
    int length = 0;
    // The second byte's range also rules out overlong forms, surrogates and codes past U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (count < length || bytes[1] < low || bytes[1] > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if (bytes[k] < 0x80 || bytes[k] > 0xBF)
            return 0;
    }
    return length;
}

// Writes the characters of a run of escaped bytes and returns how many it wrote: escapes from the
// web are UTF-8, and a byte that is no part of a UTF-8 sequence keeps its Windows-1252 meaning.
qsizetype decodeEscapedBytes(const unsigned char* bytes, qsizetype count, QChar* out) {
    qsizetype written = 0;
    for (qsizetype at = 0; at < count;) {
        const int length = utf8SequenceLength(bytes + at, count - at);
        if (length <= 1) {
            out[written++] = windows1252Char(bytes[at++]);
            continue;
        }
        char32_t code = bytes[at] & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (bytes[at + k] & 0x3F);
        at += length;
        if (QChar::requiresSurrogates(code)) {
            out[written++] = QChar(QChar::highSurrogate(code));
            out[written++] = QChar(QChar::lowSurrogate(code));
        } else {
            out[written++] = QChar(static_cast<char16_t>(code));
        }
    }
    return written;
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
    QVarLengthArray<unsigned char, 64> run;
    for (qsizetype i = firstPercent; i < length;) {
        run.clear();
        while (i + 2 < length && in[i] == u'%') {
            const auto code = UnHex(QStringView(in + i + 1, 2));
            if (!code)
                break;
            run.append(*code);
            i += 3;
        }
        if (run.isEmpty()) {
            out[written++] = in[i++];
            continue;
        }
        written += decodeEscapedBytes(run.constData(), run.size(), out + written);
    }
    decoded.truncate(written);
    return decoded;
}

} // namespace quillane
