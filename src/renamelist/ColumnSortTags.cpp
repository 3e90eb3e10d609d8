#include "renamelist/ColumnSortTags.h"

using namespace Qt::StringLiterals;

namespace quillane {

SortKey ColumnSortTags::click(ListColumn column) {
    QString& tag = m_tags[index(column)];
    const bool ascending = tag.isEmpty();
    tag = ascending ? u"DESC"_s : QString();
    return {column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder};
}

} // namespace quillane
