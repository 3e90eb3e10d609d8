#pragma once

#include "renamelist/RowChunks.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <atomic>
#include <functional>
#include <numeric>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace quillane {

// The cells of a row, in column order. The status is derived from the others by the plan.
enum class ListColumn { Directory = 0, Filename = 1, Renout = 2, Status = 3 };
inline constexpr int ListColumnCount = 4;

// How a column's cells compare when the list is sorted by it.
enum class SortType {
    Natural,   // case ignored, digit runs by their value: file2 before file10
    PlainText, // character by character
};

struct ColumnLayout {
    QString key;
    QString caption;
    int width; // pixels
    SortType sortType;
};

const ColumnLayout& columnLayout(ListColumn column);

// A text's natural sort key, unit by unit, without building it: case folded, and each run of
// digits given as a digit, its length without leading zeros, then those digits, so that the plain
// order of the keys is the natural order and runs compare by value.
class NaturalKeyUnits {
public:
    explicit NaturalKeyUnits(QStringView text) : m_text(text) {}

    // The next unit; false at the end of the key.
    bool next(char32_t& unit) {
        if (m_runLength >= 0) {
            unit = static_cast<char32_t>(std::exchange(m_runLength, -1));
            return true;
        }
        if (m_at < m_runEnd) {
            unit = m_text[m_at++].unicode();
            return true;
        }
        if (m_at == m_text.size())
            return false;
        const char16_t c = m_text[m_at].unicode();
        if (c < u'0' || c > u'9') {
            char32_t code = c;
            ++m_at;
            if (QChar::isHighSurrogate(c) && m_at < m_text.size() && m_text[m_at].isLowSurrogate())
                code = QChar::surrogateToUcs4(c, m_text[m_at++].unicode());
            unit = folded(code);
            return true;
        }
        while (m_at < m_text.size() && m_text[m_at] == u'0')
            ++m_at;
        m_runEnd = m_at;
        while (m_runEnd < m_text.size() && m_text[m_runEnd] >= u'0' && m_text[m_runEnd] <= u'9')
            ++m_runEnd;
        m_runLength = m_runEnd - m_at;
        // Any digit stands first, so a run orders against other characters as a digit does.
        unit = U'0';
        return true;
    }

private:
    static char32_t folded(char32_t c) {
        if (c < 0x80)
            return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
        return QChar::toCaseFolded(c);
    }

    QStringView m_text;
    qsizetype m_at = 0;
    qsizetype m_runEnd = 0;     // the end of the digit run being read
    qsizetype m_runLength = -1; // that run's length, when it is the next unit
};

// Appends text's natural sort key.
void appendNaturalSortKey(std::u32string& key, QStringView text);

// A key of UTF-16 code units, compared unit by unit as plain text compares.
class PlainKeyUnits {
public:
    explicit PlainKeyUnits(QStringView text) : m_text(text) {}
    bool next(char32_t& unit) {
        if (m_at == m_text.size())
            return false;
        unit = m_text[m_at++].unicode();
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_at = 0;
};

// Which rows' texts may be the very same string, and so share one key.
enum class SharedTexts {
    Consecutive, // only a row and the one before it
    Anywhere,    // any rows: the rows of one folder share its directory wherever they stand
};

// Texts as keys for `keyOrder`, read from the texts themselves as they are compared; `textAt(i)`
// gives row i's text. Rows that share one string share one id, the first such row, so that its key
// is read once.
template <typename Units, typename TextAt> class TextKeys {
public:
    TextKeys(std::size_t count, TextAt textAt, SharedTexts shared)
        : m_textAt(std::move(textAt)), m_ids(count) {
        // Each string seen, with its length, by where its characters are.
        QHash<const QChar*, std::pair<qsizetype, quint32>> seen;
        QStringView previous;
        for (std::size_t i = 0; i < count; ++i) {
            const QStringView text = m_textAt(i);
            m_ids[i] = static_cast<quint32>(i);
            if (i > 0 && text.constData() == previous.constData() &&
                text.size() == previous.size()) {
                m_ids[i] = m_ids[i - 1];
                continue;
            }
            previous = text;
            if (shared == SharedTexts::Anywhere) {
                const auto found = seen.constFind(text.constData());
                if (found != seen.cend() && found->first == text.size())
                    m_ids[i] = found->second;
                else
                    seen.insert(text.constData(), {text.size(), m_ids[i]});
            }
        }
    }

    std::size_t size() const { return m_ids.size(); }
    std::size_t id(std::size_t index) const { return m_ids[index]; }
    Units units(std::size_t index) const { return Units(m_textAt(index)); }
    QStringView text(std::size_t index) const { return m_textAt(index); }
    // Asks for the characters, once the string's own row is at hand.
    void prefetch(std::size_t index) const {
        __builtin_prefetch(QStringView(m_textAt(index)).constData());
    }
    // Asks for the row that holds the string, where `textAt` gives the string itself; a view
    // tells nothing of where its row is.
    void prefetchRow(std::size_t index) const {
        if constexpr (std::is_reference_v<decltype(m_textAt(index))>)
            __builtin_prefetch(&m_textAt(index));
    }

private:
    TextAt m_textAt;
    std::vector<quint32> m_ids;
};
template <typename TextAt>
TextKeys<NaturalKeyUnits, TextAt> naturalSortKeys(std::size_t count, TextAt textAt,
                                                  SharedTexts shared = SharedTexts::Consecutive) {
    return {count, std::move(textAt), shared};
}
template <typename TextAt>
TextKeys<PlainKeyUnits, TextAt> plainSortKeys(std::size_t count, TextAt textAt,
                                              SharedTexts shared = SharedTexts::Consecutive) {
    return {count, std::move(textAt), shared};
}

// A key's first units packed into one number, for `keyOrder`.
struct KeySlot {
    quint64 head;
    quint32 id;
    quint32 index;
};

// A stable sort by head, ascending or descending: slots of equal heads keep their order.
void sortByHead(std::vector<KeySlot>& slots, Qt::SortOrder order);

// Two keys' order: negative, 0 or positive.
template <typename Units> int compareUnits(Units a, Units b) {
    char32_t unitA = 0;
    char32_t unitB = 0;
    while (true) {
        const bool moreA = a.next(unitA);
        const bool moreB = b.next(unitB);
        if (!moreA || !moreB)
            return static_cast<int>(moreA) - static_cast<int>(moreB);
        if (unitA != unitB)
            return unitA < unitB ? -1 : 1;
    }
}

// The positions of the keys in the order that sorts them, ascending or descending; equal keys are
// ordered by `before` in both directions. `keys` gives `size()`, `id(i)` (equal ids meaning equal
// keys), `units(i)`, `text(i)` (equal texts meaning equal keys), `prefetch(i)` and
// `prefetchRow(i)`. The sort runs on 64-bit heads of the keys, taken after the start all keys
// share, so that most rows are placed without comparing keys at all; every pass that reads keys
// runs on every core.
template <typename Keys, typename Before>
std::vector<quint32> keyOrder(const Keys& keys, Qt::SortOrder order, const Before& before) {
    const std::size_t count = keys.size();
    const auto rows = static_cast<qint32>(count);
    const auto own = [&](std::size_t index) {
        return keys.id(index) == index;
    };
    // The texts of rows sorted before may lie anywhere in memory: a pass asks for one some rows on.
    constexpr std::size_t KeysAhead = 8;
    const auto prefetchAhead = [&](std::size_t index, std::size_t end) {
        if (index + KeysAhead < end && own(index + KeysAhead))
            keys.prefetch(index + KeysAhead);
    };
    std::vector<quint32> positions(count);
    std::iota(positions.begin(), positions.end(), quint32{0});
    if (std::all_of(positions.begin(), positions.end(),
                    [&](quint32 i) { return keys.id(i) == 0; })) {
        // Every row shares one string, as one folder's rows share their directory: nothing to
        // compare but `before`.
        if (!std::is_sorted(positions.begin(), positions.end(), before))
            std::sort(positions.begin(), positions.end(), before);
        return positions;
    }
    std::u32string first;
    if (count > 0) {
        auto units = keys.units(0);
        char32_t unit = 0;
        while (units.next(unit))
            first.push_back(unit);
    }
    const auto sameStart = [&](std::size_t index, std::size_t shared) {
        auto units = keys.units(index);
        std::size_t same = 0;
        for (char32_t unit = 0; same < shared && units.next(unit) && unit == first[same];)
            ++same;
        return same;
    };
    // The start all keys share, guessed from a few rows; filling the heads tells whether it holds.
    constexpr std::size_t Samples = 64;
    std::size_t shared = first.size();
    for (std::size_t sample = 1; sample < Samples && sample < count; ++sample)
        shared = sameStart(sample * count / std::min(count, Samples), shared);

    std::vector<KeySlot> slots(count);
    enum class Heads { Filled, TooWide, StartNotShared };
    // 0 ends a key, so that a shorter one comes first; wider units share the top value, and the
    // keys themselves tell them apart. Eight 8-bit units where the heads are all that narrow, as
    // most names are, else four of 16 bits.
    const auto fillHeads = [&](unsigned bits) {
        const quint64 top = (quint64{1} << bits) - 1;
        std::atomic<Heads> result = Heads::Filled;
        forRowChunks(rows, [&](qint32 firstRow, qint32 endRow) {
            const auto end = static_cast<std::size_t>(endRow);
            for (auto i = static_cast<std::size_t>(firstRow); i < end; ++i) {
                prefetchAhead(i, end);
                slots[i] = {0, static_cast<quint32>(keys.id(i)), static_cast<quint32>(i)};
                if (!own(i))
                    continue;
                auto units = keys.units(i);
                char32_t unit = 0;
                bool more = true;
                for (std::size_t at = 0; at < shared; ++at) {
                    if (!units.next(unit) || unit != first[at]) {
                        result = Heads::StartNotShared;
                        return;
                    }
                }
                quint64 head = 0;
                for (unsigned taken = 0; taken < 64 / bits; ++taken) {
                    more = more && units.next(unit);
                    const quint64 packed = more ? std::min(quint64{unit} + 1, top) : 0;
                    if (packed == top && bits == 8) {
                        result = Heads::TooWide;
                        return;
                    }
                    head = head << bits | packed;
                }
                slots[i].head = head;
            }
        });
        return result.load();
    };
    unsigned bits = 8;
    for (Heads heads = fillHeads(bits); heads != Heads::Filled; heads = fillHeads(bits)) {
        if (heads == Heads::TooWide) {
            bits = 16;
            continue;
        }
        for (std::size_t i = 1; i < count; ++i) {
            prefetchAhead(i, count);
            if (own(i))
                shared = sameStart(i, shared);
        }
    }
    // A row that shares an earlier row's string shares its head.
    for (KeySlot& slot : slots)
        if (slot.id != slot.index)
            slot.head = slots[slot.id].head;

    sortByHead(slots, order);
    // Rows whose heads are equal are told apart by their whole keys, then by `before`.
    const auto less = [&](const KeySlot& a, const KeySlot& b) {
        int c = 0;
        // Equal texts have equal keys, and telling so costs far less than reading the keys.
        if (a.id != b.id && keys.text(a.index) != keys.text(b.index))
            c = order == Qt::AscendingOrder
                    ? compareUnits(keys.units(a.index), keys.units(b.index))
                    : compareUnits(keys.units(b.index), keys.units(a.index));
        return c < 0 || (c == 0 && before(a.index, b.index));
    };
    const auto tied = [&](std::size_t at) {
        return (at > 0 && slots[at - 1].head == slots[at].head) ||
               (at + 1 < count && slots[at + 1].head == slots[at].head);
    };
    // Each chunk sorts the runs of equal heads that start in it.
    forRowChunks(rows, [&](qint32 firstRow, qint32 endRow) {
        auto run = slots.begin() + firstRow;
        while (run != slots.begin() && run != slots.end() && (run - 1)->head == run->head)
            ++run;
        // The rows of tied slots lie anywhere in the list: the row a tie some places on is asked
        // for, and the text of a nearer one, whose row has come by then.
        constexpr std::size_t RowsAhead = 32;
        constexpr std::size_t TextsAhead = 16;
        auto asked = static_cast<std::size_t>(run - slots.begin());
        while (run < slots.begin() + endRow) {
            const quint64 head = run->head;
            const auto runEnd = std::find_if(
                run + 1, slots.end(), [&](const KeySlot& slot) { return slot.head != head; });
            for (const auto end = static_cast<std::size_t>(runEnd - slots.begin()); asked < end;
                 ++asked) {
                if (asked + RowsAhead < count && tied(asked + RowsAhead))
                    keys.prefetchRow(slots[asked + RowsAhead].index);
                if (asked + TextsAhead < count && tied(asked + TextsAhead))
                    keys.prefetch(slots[asked + TextsAhead].index);
            }
            if (runEnd - run > 1 && !std::is_sorted(run, runEnd, less))
                std::sort(run, runEnd, less);
            run = runEnd;
        }
    });
    for (std::size_t i = 0; i < count; ++i)
        positions[i] = slots[i].index;
    return positions;
}

} // namespace quillane
