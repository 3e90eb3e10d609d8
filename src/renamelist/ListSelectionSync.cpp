#include "renamelist/ListSelectionSync.h"

#include "renamelist/RenameListModel.h"

#include <QItemSelectionModel>

namespace quillane {

ListSelectionSync::ListSelectionSync(RenameListModel& model, QItemSelectionModel& selection,
                                     QObject* parent)
    : QObject(parent), m_model(model), m_selection(selection) {
    connect(&model, &RenameListModel::selectionFlagsChanged, this, &ListSelectionSync::showFlags);
    connect(&selection, &QItemSelectionModel::selectionChanged, this,
            &ListSelectionSync::takeSelection);
    showFlags();
}

// One range per run of selected rows, handed to the view in a single call.
void ListSelectionSync::showFlags() {
    const RenameList& list = m_model.list();
    const int lastColumn = m_model.columnCount() - 1;
    QItemSelection selection;
    for (qint32 row = 0; row < list.count(); ++row) {
        if (!list.at(row).selected)
            continue;
        const qint32 first = row;
        while (row + 1 < list.count() && list.at(row + 1).selected)
            ++row;
        selection.select(m_model.index(first, 0), m_model.index(row, lastColumn));
    }
    // Clearing first spares the selection model comparing the old and new selections range by
    // range, which takes seconds for a scattered selection of a long list.
    m_showingFlags = true;
    m_selection.clearSelection();
    m_selection.select(selection, QItemSelectionModel::Select);
    m_showingFlags = false;
}

void ListSelectionSync::takeSelection(const QItemSelection& selected,
                                      const QItemSelection& deselected) {
    if (m_showingFlags)
        return;
    for (const QItemSelectionRange& range : deselected) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            m_model.setSelected(row, false);
    }
    for (const QItemSelectionRange& range : selected) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            m_model.setSelected(row, true);
    }
    Q_EMIT userChangedSelection();
}

} // namespace quillane
