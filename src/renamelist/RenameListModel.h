#pragma once

#include "renamelist/ColumnSortTags.h"
#include "renamelist/FileDateReading.h"
#include "renamelist/FolderNames.h"
#include "renamelist/RenameList.h"
#include "renamelist/RenameRun.h"
#include "rules/DateTimeStamper.h"
#include "rules/RenameRuleSet.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

namespace quillane {

// The rename list as the grid shows it: one row per entry, its cells and the status the plan
// gives it. Every command tells its views with one signal (a reset, one ranged change or one
// insertion), never one per row. The selected flags live in the list; selectionFlagsChanged()
// tells when a command changed them.
class RenameListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // True in the status column where the status needs a check before a run.
    static constexpr int NeedsCheckRole = Qt::UserRole + 1;

    // The statuses look at the folders of `files`.
    explicit RenameListModel(FileSystem& files, QObject* parent = nullptr);

    const RenameList& list() const { return m_list; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Rows after the last one, in the given order, unselected and without a new name yet.
    void appendEntries(QList<ListedFile> entries);
    // The names of folders a walk has just read, for the statuses to check against.
    void keepReadFolders(std::vector<ReadFolder> folders);
    // New names for every row, and the statuses for them.
    void refreshRenOutput(const RenameRuleSet& rules, const DateTimeStamper& stamper);
    // Where the next run puts the files; the statuses follow.
    void setOutput(bool whereFileIs, const QString& customDir);
    // The statuses again, for a disk that may have changed meanwhile.
    void recheck();
    qint32 toCheck() const { return m_toCheck; }
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
                          RunProgress progress, RunRecorder* recorder = nullptr);

    // The rows that still lack the dates the rules need, in list order.
    QList<DateRequest> datesMissing(DatesNeeded needed) const;
    // Keeps each answer with its row, unless the row names another file by now; true when any
    // was kept. The preview shows them at its next refresh.
    bool keepDates(const QList<ReadDates>& answers);

    // Rows naming a file at a key of `moved` name it at its value; the statuses follow.
    void followMoves(const QHash<QString, QString>& moved);

Q_SIGNALS:
    void selectionFlagsChanged();

private:
    void rowsChanged(qint32 first, qint32 last);
    // The statuses for the list as it stands; returns how many need a check.
    qint32 planStatuses();
    // The same, and the cells from `firstChanged` on are told changed.
    void replan(ListColumn firstChanged);
    void applyMove(std::optional<RowRange> (RenameList::*move)());

    RenameList m_list;
    ColumnSortTags m_sortTags;
    FolderNames m_folders;
    RunSettings m_output; // only where files go
    qint32 m_toCheck = 0;
};

} // namespace quillane
