#include "renamelist/ListColumns.h"

#include <array>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

char32_t folded(char16_t c) {
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
    return QChar::toCaseFolded(static_cast<char32_t>(c));
}

} // namespace

const ColumnSpec& columnSpec(ListColumn column) {
    static const std::array<ColumnSpec, ListColumnCount> specs{{
        {u"directory"_s, u"Directory"_s, 230, SortType::Natural},
        {u"filename"_s, u"Filename"_s, 180, SortType::Natural},
        {u"renout"_s, u"Ren Output"_s, 180, SortType::PlainText},
    }};
    return specs[static_cast<std::size_t>(column)];
}

std::u32string naturalSortKey(QStringView text) {
    std::u32string key;
    key.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size();) {
        if (!isDigit(text[i].unicode())) {
            key.push_back(folded(text[i++].unicode()));
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
    return key;
}

int compareCells(SortType type, QStringView a, QStringView b) {
    if (type == SortType::Natural)
        return naturalSortKey(a).compare(naturalSortKey(b));
    return a.compare(b);
}

} // namespace quillane
