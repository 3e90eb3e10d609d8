#pragma once

#include "renamelist/ColumnSortTags.h"
#include "renamelist/RenameList.h"
#include "renamelist/RenameRun.h"
#include "rules/DateTimeStamper.h"
#include "rules/RenameRuleSet.h"

#include <QAbstractTableModel>
#include <QList>

namespace quillane {

// The rename list as the grid shows it: three columns, one row per entry. Every command tells
// its views with one signal (a reset, one ranged change or one insertion), never one per row.
// The selected flags live in the list; selectionFlagsChanged() tells when a command changed them.
class RenameListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RenameListModel(QObject* parent = nullptr);

    const RenameList& list() const { return m_list; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Rows after the last one, in the given order, unselected and without a new name yet.
    void appendEntries(const QList<ListedFile>& entries);
    void refreshRenOutput(const RenameRuleSet& rules, const DateTimeStamper& stamper);
    // The user's own selection in a view; no signal, the view already shows it.
    void setSelected(qint32 row, bool selected) { m_list.setSelected(row, selected); }
    // A command selecting one more row.
    void selectRow(qint32 row);

    void removeSelected();
    void clear();
    void moveUp();
    void moveDown();
    void moveToFirst();
    void moveToLast();
    void selectAll();
    void deselectAll();
    void invertSelection();
    // A click on a column header: sorts by that column, alternating its direction.
    SortKey clickColumn(ListColumn column);
    // Renames every listed file; views read the cells live while it runs and hear of the rows
    // it rewrote once it ends.
    RunResult renameFiles(FileSystem& files, Dialogs& dialogs, RunSettings settings,
                          RunProgress progress);

Q_SIGNALS:
    void selectionFlagsChanged();

private:
    void rowsChanged(qint32 first, qint32 last);
    void applyMove(std::optional<RowRange> (RenameList::*move)());

    RenameList m_list;
    ColumnSortTags m_sortTags;
};

} // namespace quillane
