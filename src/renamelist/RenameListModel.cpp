#include "renamelist/RenameListModel.h"

#include "platform/PathText.h"
#include "renamelist/RefreshRenOutputLst.h"

#include <QMetaObject>

#include <utility>

namespace quillane {

using namespace Qt::StringLiterals;

RenameListModel::RenameListModel(FileSystem& files, QObject* parent)
    : QAbstractTableModel(parent), m_folders(files), m_files(files) {}

template <typename Change> void RenameListModel::changeRows(Change change) {
    const bool stopped = stopPlanning();
    change();
    if (stopped && !planning())
        replan(ListColumn::Status);
}

int RenameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_list.count();
}

int RenameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ListColumnCount;
}

QVariant RenameListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole)
        return m_list.cell(index.row(), static_cast<ListColumn>(index.column()));
    if (role == NeedsCheckRole)
        return index.column() == static_cast<int>(ListColumn::Status) &&
               needsCheck(m_list.at(index.row()).status);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

QVariant RenameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ListColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        const QString& caption = columnLayout(static_cast<ListColumn>(section)).caption;
        if (section == static_cast<int>(ListColumn::Status) && m_toCheck > 0)
            return u"%1 (%2 to check)"_s.arg(caption).arg(m_toCheck);
        return caption;
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags RenameListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void RenameListModel::appendEntries(QList<ListedFile> entries) {
    if (entries.isEmpty())
        return;
    changeRows([&] {
        const qint32 first = m_list.count();
        beginInsertRows({}, first, first + static_cast<qint32>(entries.size()) - 1);
        m_list.reserve(first + static_cast<qint32>(entries.size()));
        for (ListedFile& entry : entries)
            m_list.append(std::move(entry));
        endInsertRows();
    });
}

void RenameListModel::keepReadFolders(std::vector<ReadFolder> folders) {
    changeRows([&] {
        for (ReadFolder& read : folders)
            m_folders.keep(std::move(read));
    });
}

void RenameListModel::refreshRenOutput(const RenameRuleSet& rules, const DateTimeStamper& stamper) {
    stopPlanning();
    RefreshRenOutputLst(m_list, rules, stamper);
    replan(ListColumn::Renout);
}

QList<DateRequest> RenameListModel::datesMissing(DatesNeeded needed) const {
    QList<DateRequest> missing;
    if (needed == DatesNeeded::None)
        return missing;
    for (qint32 row = 0; row < m_list.count(); ++row) {
        const RenameEntry& e = m_list.at(row);
        const bool lacking = needed == DatesNeeded::Taken ? e.dates.taken == FileDates::NotRead
                                                          : e.dates.modified == FileDates::NotRead;
        if (lacking)
            missing.append({row, e.directory, m_list.filename(row).toString()});
    }
    return missing;
}

bool RenameListModel::keepDates(const QList<ReadDates>& answers) {
    bool kept = false;
    for (const ReadDates& answer : answers) {
        const DateRequest& asked = answer.request;
        if (asked.row >= m_list.count())
            continue;
        const RenameEntry& e = m_list.at(asked.row);
        if (m_list.filename(asked.row) != asked.filename || e.directory != asked.directory)
            continue;
        FileDates dates = answer.dates;
        // An answer of the modification time alone leaves a moment taken read before in place.
        if (dates.taken == FileDates::NotRead)
            dates.taken = e.dates.taken;
        m_list.setDates(asked.row, dates);
        kept = true;
    }
    return kept;
}

void RenameListModel::setOutput(bool whereFileIs, const QString& customDir) {
    if (whereFileIs == m_output.outputWhereFileIs && customDir == m_output.customOutputDir)
        return;
    stopPlanning();
    m_output.outputWhereFileIs = whereFileIs;
    m_output.customOutputDir = customDir;
    recheck();
}

void RenameListModel::recheck() {
    replan(ListColumn::Status);
}

void RenameListModel::replan(ListColumn firstChanged) {
    stopPlanning();
    const bool inBackground = m_list.count() > 0 && m_list.count() >= m_backgroundPlanFrom &&
                              m_files.readsFromAnyThread();
    if (!inBackground) {
        takePlan(RenamePlan::make(m_list, m_output, m_folders), firstChanged);
        return;
    }
    // The cells before the statuses are new now; the statuses come when the plan is done.
    if (firstChanged != ListColumn::Status)
        Q_EMIT dataChanged(index(0, static_cast<int>(firstChanged)),
                           index(m_list.count() - 1, static_cast<int>(ListColumn::Status) - 1),
                           {Qt::DisplayRole});
    const quint64 round = ++m_planRound;
    m_planning = std::jthread([this, round](const std::stop_token& stop) {
        m_planned = RenamePlan::make(m_list, m_output, m_folders, stop);
        if (stop.stop_requested())
            return;
        QMetaObject::invokeMethod(
            this,
            [this, round] {
                // A plan stopped or settled after it was done may still have sent word.
                if (round == m_planRound)
                    settlePlanning();
            },
            Qt::QueuedConnection);
    });
}

void RenameListModel::takePlan(const RenamePlan& made, ListColumn firstChanged) {
    m_list.setStatuses(made);
    const int status = static_cast<int>(ListColumn::Status);
    if (m_list.count() > 0)
        Q_EMIT dataChanged(index(0, static_cast<int>(firstChanged)),
                           index(m_list.count() - 1, status), {Qt::DisplayRole, NeedsCheckRole});
    if (made.toCheck() != m_toCheck) {
        m_toCheck = made.toCheck();
        Q_EMIT headerDataChanged(Qt::Horizontal, status, status);
    }
}

bool RenameListModel::stopPlanning() {
    if (!m_planning.joinable())
        return false;
    m_planning.request_stop();
    m_planning.join();
    m_planned.reset();
    ++m_planRound;
    return true;
}

void RenameListModel::settlePlanning() {
    if (!m_planning.joinable())
        return;
    m_planning.join();
    ++m_planRound;
    const RenamePlan made = *std::exchange(m_planned, std::nullopt);
    takePlan(made, ListColumn::Status);
}

RunResult RenameListModel::renameFiles(FileSystem& files, Dialogs& dialogs, RunSettings settings,
                                       RunProgress progress, RunRecorder* recorder) {
    stopPlanning();
    RunResult result =
        RenameRun(m_list, files, dialogs, std::move(settings), std::move(progress), recorder).run();
    if (m_list.count() > 0)
        rowsChanged(0, m_list.count() - 1);
    recheck();
    return result;
}

void RenameListModel::followMoves(const QHash<QString, QString>& moved) {
    if (moved.isEmpty())
        return;
    stopPlanning();
    for (qint32 row = 0; row < m_list.count(); ++row) {
        const auto found = moved.constFind(m_list.pathOf(row));
        if (found == moved.cend())
            continue;
        m_list.setCell(row, ListColumn::Directory, directoryCellForm(folderOf(found.value())));
        m_list.setCell(row, ListColumn::Filename, fileNameOf(found.value()));
    }
    if (m_list.count() > 0)
        rowsChanged(0, m_list.count() - 1);
    recheck();
}

void RenameListModel::rowsChanged(qint32 first, qint32 last) {
    Q_EMIT dataChanged(index(first, 0), index(last, ListColumnCount - 1), {Qt::DisplayRole});
}

void RenameListModel::removeSelected() {
    if (m_list.selectedCount() == 0)
        return;
    stopPlanning();
    beginResetModel();
    m_list.removeSelected();
    endResetModel();
    Q_EMIT selectionFlagsChanged();
    // The new names stay, but what stands in their way may not.
    recheck();
}

void RenameListModel::clear() {
    stopPlanning();
    beginResetModel();
    m_list.clear();
    m_toCheck = 0;
    endResetModel();
    Q_EMIT selectionFlagsChanged();
}

void RenameListModel::applyMove(std::optional<RowRange> (RenameList::*move)()) {
    changeRows([&] {
        if (const auto changed = (m_list.*move)()) {
            rowsChanged(changed->first, changed->last);
            Q_EMIT selectionFlagsChanged();
        }
    });
}

void RenameListModel::moveUp() {
    applyMove(&RenameList::moveUp);
}

void RenameListModel::moveDown() {
    applyMove(&RenameList::moveDown);
}

void RenameListModel::moveToFirst() {
    applyMove(&RenameList::moveToFirst);
}

void RenameListModel::moveToLast() {
    applyMove(&RenameList::moveToLast);
}

void RenameListModel::selectRow(qint32 row) {
    m_list.setSelected(row, true);
    Q_EMIT selectionFlagsChanged();
}

void RenameListModel::selectAll() {
    m_list.selectAll();
    Q_EMIT selectionFlagsChanged();
}

void RenameListModel::deselectAll() {
    m_list.deselectAll();
    Q_EMIT selectionFlagsChanged();
}

void RenameListModel::invertSelection() {
    m_list.invertSelection();
    Q_EMIT selectionFlagsChanged();
}

SortKey RenameListModel::clickColumn(ListColumn column) {
    const SortKey key = m_sortTags.click(column);
    // Sorted by the statuses the list has, they should be the ones for it.
    if (column == ListColumn::Status)
        settlePlanning();
    changeRows([&] {
        m_list.sortBy(key.column, key.order);
        if (m_list.count() > 0) {
            rowsChanged(0, m_list.count() - 1);
            Q_EMIT selectionFlagsChanged();
        }
    });
    return key;
}

} // namespace quillane
