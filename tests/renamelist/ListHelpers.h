#pragma once

#include "renamelist/RenameList.h"

#include <QString>
#include <QStringList>

namespace quillane {

// Builds a list from "a b* c": one row per word, named by it, "*" marking a selected row.
inline RenameList listOf(const QString& rows) {
    RenameList list;
    const QStringList words = rows.split(u' ', Qt::SkipEmptyParts);
    for (const QString& word : words) {
        const bool selected = word.endsWith(u'*');
        list.append(QStringLiteral("/d"), selected ? word.chopped(1) : word);
        list.setSelected(list.count() - 1, selected);
    }
    return list;
}

// The list in the same notation.
inline QString describe(const RenameList& list) {
    QStringList words;
    for (qint32 row = 0; row < list.count(); ++row)
        words.append(list.cell(row, ListColumn::Filename) +
                     (list.at(row).selected ? QStringLiteral("*") : QString()));
    return words.join(u' ');
}

} // namespace quillane
