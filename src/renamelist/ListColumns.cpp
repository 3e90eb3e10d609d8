#include "renamelist/ListColumns.h"

#include "renamelist/RowChunks.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <mutex>

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

NaturalSortKeys::NaturalSortKeys(std::size_t count,
                                 const std::function<const QString&(std::size_t)>& textAt,
                                 SharedTexts shared)
    : m_count(count) {
    std::mutex adding;
    forRowChunks(static_cast<qint32>(count), [&](qint32 first, qint32 end) {
        Part part;
        part.first = static_cast<std::size_t>(first);
        part.end = static_cast<std::size_t>(end);
        std::size_t characters = 0;
        for (std::size_t i = part.first; i < part.end; ++i)
            characters += static_cast<std::size_t>(textAt(i).size());
        // Digit runs grow by two characters each; half again is room enough for most texts. Only
        // what is written takes memory.
        part.keys.reserve(characters + characters / 2);
        part.spans.reserve(part.end - part.first);
        // Each string seen, with its length, by where its characters are.
        QHash<const QChar*, std::pair<qsizetype, Span>> seen;
        const QString* previous = nullptr;
        for (std::size_t i = part.first; i < part.end; ++i) {
            // The texts of rows sorted before may lie anywhere in memory.
            if (constexpr std::size_t TextsAhead = 8; i + TextsAhead < part.end)
                __builtin_prefetch(textAt(i + TextsAhead).constData());
            const QString& text = textAt(i);
            if (previous && text.constData() == previous->constData() &&
                text.size() == previous->size()) {
                part.spans.push_back(part.spans.back());
                continue;
            }
            previous = &text;
            if (shared == SharedTexts::Anywhere) {
                const auto found = seen.constFind(text.constData());
                if (found != seen.cend() && found->first == text.size()) {
                    part.spans.push_back(found->second);
                    continue;
                }
            }
            const std::size_t offset = part.keys.size();
            appendNaturalSortKey(part.keys, text);
            part.spans.push_back({static_cast<quint32>(offset),
                                  static_cast<quint32>(part.keys.size() - offset),
                                  static_cast<quint32>(i)});
            if (shared == SharedTexts::Anywhere)
                seen.insert(text.constData(), {text.size(), part.spans.back()});
        }
        const std::lock_guard lock(adding);
        m_parts.push_back(std::move(part));
    });
    std::sort(m_parts.begin(), m_parts.end(),
              [](const Part& a, const Part& b) { return a.first < b.first; });
}

} // namespace quillane
