#pragma once

#include <QString>
#include <QStringView>

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>
#include <string_view>
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

// Appends text whose plain order is the natural order: case folded, and each run of digits
// written as its length without leading zeros followed by those digits, so runs compare by value.
void appendNaturalSortKey(std::u32string& key, QStringView text);

// Which rows' texts may be the very same string, and so share one key.
enum class SharedTexts {
    Consecutive, // only a row and the one before it
    Anywhere,    // any rows: the rows of one folder share its directory wherever they stand
};

// The natural sort keys of many texts, built on every core for a long list, each core's share in
// one buffer so that comparing them stays in the cache.
class NaturalSortKeys {
public:
    NaturalSortKeys(std::size_t count, const std::function<const QString&(std::size_t)>& textAt,
                    SharedTexts shared = SharedTexts::Consecutive);

    std::size_t size() const { return m_count; }
    std::u32string_view key(std::size_t index) const {
        const Part& part = partOf(index);
        const Span& span = part.spans[index - part.first];
        return std::u32string_view(part.keys).substr(span.offset, span.length);
    }
    // Rows of one id have one key: the first row that has it.
    std::size_t id(std::size_t index) const {
        const Part& part = partOf(index);
        return part.spans[index - part.first].firstRow;
    }

private:
    struct Span {
        quint32 offset;
        quint32 length;
        quint32 firstRow;
    };
    struct Part {
        std::size_t first = 0;
        std::size_t end = 0;
        std::u32string keys;
        std::vector<Span> spans;
    };
    const Part& partOf(std::size_t index) const {
        const Part* part = m_parts.data();
        while (index >= part->end)
            ++part;
        return *part;
    }

    std::size_t m_count;
    std::vector<Part> m_parts;
};

// Texts as keys of their own, each its own id, for `keyOrder`.
template <typename KeyAt> struct EachOwnKey {
    std::size_t count;
    KeyAt keyAt;

    std::size_t size() const { return count; }
    auto key(std::size_t index) const { return keyAt(index); }
    std::size_t id(std::size_t index) const { return index; }
};
template <typename KeyAt> EachOwnKey(std::size_t, KeyAt) -> EachOwnKey<KeyAt>;

// A text's UTF-16 code units as a key, compared unit by unit as plain text compares.
inline std::u16string_view plainKey(QStringView text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The positions of the keys in the order that sorts them, ascending or descending; equal keys are
// ordered by `before` in both directions. `keys` gives `size()`, `key(i)` and `id(i)`, equal ids
// meaning equal keys. The sort runs on 64-bit heads of the keys, taken after the start all keys
// share, so most comparisons touch no key at all.
template <typename Keys, typename Before>
std::vector<quint32> keyOrder(const Keys& keys, Qt::SortOrder order, const Before& before) {
    const std::size_t count = keys.size();
    const auto keyAt = [&](std::size_t index) {
        return keys.key(index);
    };
    // Keys of rows sorted before may lie anywhere in memory: a pass asks for a key some rows on.
    constexpr std::size_t KeysAhead = 8;
    const auto prefetchAhead = [&](std::size_t index) {
        if (index + KeysAhead < count)
            __builtin_prefetch(keyAt(index + KeysAhead).data());
    };
    const auto first = count > 0 ? keyAt(0) : decltype(keyAt(0))();
    std::size_t shared = first.size();
    bool allEqual = true;
    for (std::size_t i = 1; i < count; ++i) {
        prefetchAhead(i);
        const auto key = keyAt(i);
        allEqual = allEqual && key.size() == first.size();
        shared = static_cast<std::size_t>(
            std::mismatch(first.begin(), first.begin() + static_cast<std::ptrdiff_t>(shared),
                          key.begin(), key.end())
                .first -
            first.begin());
    }
    std::vector<quint32> positions(count);
    std::iota(positions.begin(), positions.end(), quint32{0});
    if (allEqual && shared == first.size()) {
        // One folder's rows all share their directory: nothing to compare but `before`.
        if (!std::is_sorted(positions.begin(), positions.end(), before))
            std::sort(positions.begin(), positions.end(), before);
        return positions;
    }

    struct Slot {
        quint64 head;
        quint32 id;
        quint32 index;
    };
    std::vector<Slot> slots(count);
    // 0 ends a key, so that a shorter one comes first; wider units share the top value, and the
    // keys themselves tell them apart. Eight 8-bit units where the heads are all that narrow, as
    // most names are, else four of 16 bits.
    const auto fillHeads = [&](unsigned bits) {
        const quint64 top = (quint64{1} << bits) - 1;
        for (std::size_t i = 0; i < count; ++i) {
            prefetchAhead(i);
            const auto key = keyAt(i);
            quint64 head = 0;
            for (std::size_t at = shared; at < shared + 64 / bits; ++at) {
                const quint64 unit =
                    at < key.size() ? std::min(static_cast<quint64>(key[at]) + 1, top) : 0;
                if (unit == top && bits == 8)
                    return false;
                head = head << bits | unit;
            }
            slots[i] = {head, static_cast<quint32>(keys.id(i)), static_cast<quint32>(i)};
        }
        return true;
    };
    if (!fillHeads(8))
        fillHeads(16);
    const auto compare = [&](const Slot& a, const Slot& b) {
        if (a.head != b.head)
            return a.head < b.head ? -1 : 1;
        if (a.id == b.id)
            return 0;
        return keyAt(a.index).substr(shared).compare(keyAt(b.index).substr(shared));
    };
    if (order == Qt::AscendingOrder)
        std::sort(slots.begin(), slots.end(), [&](const Slot& a, const Slot& b) {
            const int c = compare(a, b);
            return c < 0 || (c == 0 && before(a.index, b.index));
        });
    else
        std::sort(slots.begin(), slots.end(), [&](const Slot& a, const Slot& b) {
            const int c = compare(a, b);
            return c > 0 || (c == 0 && before(a.index, b.index));
        });
    for (std::size_t i = 0; i < count; ++i)
        positions[i] = slots[i].index;
    return positions;
}

} // namespace quillane
