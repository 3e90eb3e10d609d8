#pragma once

#include "renamelist/ListColumns.h"

#include <QString>

#include <array>

namespace quillane {

// The one key the list is sorted by.
struct SortKey {
    ListColumn column;
    Qt::SortOrder order;
};

// Each column's direction marker: empty means its next click sorts ascending, "DESC" descending.
class ColumnSortTags {
public:
    const QString& tag(ListColumn column) const { return m_tags[index(column)]; }

    // A click on a column header: the key to sort by, with that column's tag flipped.
    SortKey click(ListColumn column);

private:
    static std::size_t index(ListColumn column) { return static_cast<std::size_t>(column); }

    std::array<QString, ListColumnCount> m_tags;
};

} // namespace quillane
