#include "renamelist/ListColumns.h"

#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace quillane {

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
    NaturalKeyUnits units(text);
    char32_t unit = 0;
    while (units.next(unit))
        key.push_back(unit);
}

// Byte by byte from the lowest, each pass stable; a byte every head shares needs no pass.
void sortByHead(std::vector<KeySlot>& slots, Qt::SortOrder order) {
    constexpr int Bytes = 8;
    constexpr std::size_t Buckets = 256;
    const quint64 flip = order == Qt::AscendingOrder ? 0 : ~quint64{0};
    std::array<std::array<std::size_t, Buckets>, Bytes> counts{};
    for (const KeySlot& slot : slots) {
        const quint64 head = slot.head ^ flip;
        for (int byte = 0; byte < Bytes; ++byte)
            ++counts[byte][(head >> (8 * byte)) & 0xFF];
    }
    std::vector<KeySlot> spare;
    for (int byte = 0; byte < Bytes; ++byte) {
        auto& count = counts[byte];
        if (std::find(count.begin(), count.end(), slots.size()) != count.end())
            continue;
        std::size_t start = 0;
        for (std::size_t& bucket : count)
            start += std::exchange(bucket, start);
        spare.resize(slots.size());
        for (const KeySlot& slot : slots)
            spare[count[((slot.head ^ flip) >> (8 * byte)) & 0xFF]++] = slot;
        slots.swap(spare);
    }
}

} // namespace quillane
