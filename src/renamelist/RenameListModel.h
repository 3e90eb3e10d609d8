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

#include <optional>
#include <thread>

namespace quillane {

// The rename list as the grid shows it: one row per entry, its cells and the status the plan
// gives it. Every command tells its views of whole ranges at once (a reset, a ranged change or
// an insertion, and the statuses where they change), never of one row at a time. The selected flags
// live in the list; selectionFlagsChanged() tells when a command changed them.
//
// A long list gets its statuses from a plan worked out on another thread while the views show
// the rest, and shown once it is done. The plan reads the rows' folders and names, so every
// command that changes them stops it first; selections and dates it does not read.
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
    // Statuses for the list as it stands are still being worked out on another thread.
    bool planning() const { return m_planning.joinable(); }
    // Lists of at least `rows` rows are planned on another thread, where the file system can be
    // read from one.
    void setBackgroundPlanFrom(qint32 rows) { m_backgroundPlanFrom = rows; }
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
    // The statuses for the list as it stands, here or on another thread; the cells from
    // `firstChanged` on are told changed.
    void replan(ListColumn firstChanged);
    void takePlan(const RenamePlan& made, ListColumn firstChanged);
    // Ends a plan under way, its result unseen; true when there was one.
    bool stopPlanning();
    // Waits for a plan under way and shows its statuses.
    void settlePlanning();
    // Runs a command that changes what a plan reads, and plans again after it if it stopped one.
    template <typename Change> void changeRows(Change change);
    void applyMove(std::optional<RowRange> (RenameList::*move)());

    RenameList m_list;
    ColumnSortTags m_sortTags;
    FolderNames m_folders;
    RunSettings m_output; // only where files go
    FileSystem& m_files;
    qint32 m_toCheck = 0;
    // Shorter lists show their statuses with their new names, within a frame or two of a key.
    qint32 m_backgroundPlanFrom = 200'000;
    // Tells which plan a result that comes back belongs to: only the last one started counts.
    quint64 m_planRound = 0;
    // Written by the plan under way, read once it has ended.
    std::optional<RenamePlan> m_planned;
    // Last, so that it stops before anything it reads goes.
    std::jthread m_planning;
};

} // namespace quillane
