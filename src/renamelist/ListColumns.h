#pragma once

#include <QString>
#include <QStringView>

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

// The natural sort keys of many texts in one buffer, so that comparing them stays in the cache.
class NaturalSortKeys {
public:
    void reserve(std::size_t texts, std::size_t characters);
    void append(QStringView text);
    // The next text is the last one again.
    void repeatLast() { m_spans.push_back(m_spans.back()); }
    std::size_t size() const { return m_spans.size(); }
    // Valid until the next append.
    std::u32string_view key(std::size_t index) const {
        return std::u32string_view(m_keys).substr(m_spans[index].first, m_spans[index].second);
    }

private:
    std::u32string m_keys;
    std::vector<std::pair<std::size_t, std::size_t>> m_spans; // offset, length
};

} // namespace quillane
