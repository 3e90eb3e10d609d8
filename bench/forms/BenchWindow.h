#pragma once

#include "bench/BenchSupport.h"
#include "renamelist/ListColumns.h"
#include "tools/StandaloneMainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <random>
#include <utility>

namespace quillane {

// The main window as the benchmarks drive it: by its controls' names, as a user would, each
// command followed by what the screen shows next.
class BenchWindow {
public:
    BenchWindow() : m_standalone(dialogs) { QCoreApplication::processEvents(); }

    quillanemainfrm& window() { return m_standalone.window(); }
    RenameListModel& list() { return window().renameList(); }
    qint32 rows() { return list().list().count(); }
    QTableView& grid() { return *window().findChild<QTableView*>(QStringLiteral("grdThis")); }

    // What the event loop would do before the next frame, then that frame of the preview.
    void showNow() {
        QCoreApplication::processEvents();
        grid().viewport()->repaint();
    }

    // Once the statuses worked out for the list as it stands, the frame that shows them.
    void showStatuses() {
        while (list().planning())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        grid().viewport()->repaint();
    }

    // False when there is no such command or it is disabled, so nothing happened.
    bool trigger(const QString& name) {
        auto* action = window().findChild<QAction*>(name);
        if (action == nullptr || !action->isEnabled())
            return false;
        action->trigger();
        return true;
    }

    // A click in the middle of the column's header; false unless the window took it as a sort.
    bool clickHeader(ListColumn column) {
        QHeaderView* header = grid().horizontalHeader();
        const int section = static_cast<int>(column);
        const int middle =
            header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
        if (middle < 0 || middle >= header->viewport()->width())
            return false;
        const Qt::SortOrder before = header->sortIndicatorOrder();
        const bool wasSorted =
            header->isSortIndicatorShown() && header->sortIndicatorSection() == section;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(middle, header->height() / 2));
        return header->isSortIndicatorShown() && header->sortIndicatorSection() == section &&
               (!wasSorted || header->sortIndicatorOrder() != before);
    }

    // The list holds `files` alone, shown with their new names. They are handed over as the
    // program's own commands hand theirs, so that what they hold is freed within the add and not
    // in the next command timed.
    void show(QList<ListedFile> files) {
        list().clear();
        list().appendEntries(std::move(files));
        window().RefreshRenOutputLst();
        showNow();
        showStatuses();
    }

    // Every other row selected in the grid, from the first, as ctrl-clicks would leave it.
    void selectEveryOtherRow() {
        const int lastColumn = list().columnCount() - 1;
        QItemSelection chosen;
        for (qint32 row = 0; row < rows(); row += 2)
            chosen.select(list().index(row, 0), list().index(row, lastColumn));
        grid().selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
    }

    SilentDialogs dialogs;

private:
    StandaloneMainWindow m_standalone;
};

// cameraFiles in no order at all: a list sorted by another column leaves each one scattered.
inline QList<ListedFile> shuffledCameraFiles(qint32 count) {
    QList<ListedFile> files = cameraFiles(count);
    std::shuffle(files.begin(), files.end(), std::mt19937(11));
    return files;
}

} // namespace quillane
