#pragma once

#include <QString>
#include <QStringView>

#include <string>

namespace quillane {

// The three cells of a row, in column order.
enum class ListColumn { Directory = 0, Filename = 1, Renout = 2 };
inline constexpr int ListColumnCount = 3;

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

} // namespace quillane
