#include "renamelist/ListColumns.h"

#include <array>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

char32_t folded(char32_t c) {
    if (c < 0x80)
        return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
    return QChar::toCaseFolded(c);
}

} // namespace

const ColumnLayout& columnLayout(ListColumn column) {
    static const std::array<ColumnLayout, ListColumnCount> layouts{{
        {u"directory"_s, u"Directory"_s, 230, SortType::Natural},
        {u"filename"_s, u"Filename"_s, 180, SortType::Natural},
        {u"renout"_s, u"Ren Output"_s, 180, SortType::PlainText},
        {u"status"_s, u"Status"_s, 110, SortType::PlainText},
    }};
    return layouts[static_cast<std::size_t>(column)];
}

void appendNaturalSortKey(std::u32string& key, QStringView text) {
    for (qsizetype i = 0; i < text.size();) {
        if (!isDigit(text[i].unicode())) {
            const bool pair =
                text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            key.push_back(
                folded(pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode()));
            i += pair ? 2 : 1;
            continue;
        }
        while (i < text.size() && text[i] == u'0')
            ++i;
        const qsizetype start = i;
        while (i < text.size() && isDigit(text[i].unicode()))
            ++i;
        // Any digit stands first, so a run orders against other characters as a digit does.
        key.push_back(U'0');
        key.push_back(static_cast<char32_t>(i - start));
        for (qsizetype d = start; d < i; ++d)
            key.push_back(text[d].unicode());
    }
}

void NaturalSortKeys::reserve(std::size_t texts, std::size_t characters) {
    // Digit runs grow by two characters each; half again is room enough for most texts.
    m_keys.reserve(characters + characters / 2);
    m_spans.reserve(texts);
}

void NaturalSortKeys::append(QStringView text) {
    const std::size_t offset = m_keys.size();
    appendNaturalSortKey(m_keys, text);
    m_spans.emplace_back(offset, m_keys.size() - offset);
}

} // namespace quillane
