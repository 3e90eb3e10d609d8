#include "renamelist/RenameListModel.h"

#include "platform/PosixFileSystem.h"
#include "tests/QtPrinters.h"
#include "tests/rules/FixedClock.h"
#include "tests/support/EventLoopApplication.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

class RenameListModelTest : public testing::Test {
protected:
    RenameListModelTest() {
        model.appendEntries({{u"/d"_s, u"b"_s}, {u"/d"_s, u"a"_s}, {u"/e"_s, u"c"_s}});
        for (QSignalSpy* spy : {&reset, &changed, &inserted, &removed, &layout, &flags})
            spy->clear();
    }

    // Every signal the model sends that a view reacts to.
    int signalsSent() const {
        return static_cast<int>(reset.count() + changed.count() + inserted.count() +
                                removed.count() + layout.count());
    }

    PosixFileSystem files;
    RenameListModel model{files};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QSignalSpy reset{&model, &QAbstractItemModel::modelReset};
    QSignalSpy changed{&model, &QAbstractItemModel::dataChanged};
    QSignalSpy inserted{&model, &QAbstractItemModel::rowsInserted};
    QSignalSpy removed{&model, &QAbstractItemModel::rowsRemoved};
    QSignalSpy layout{&model, &QAbstractItemModel::layoutChanged};
    QSignalSpy flags{&model, &RenameListModel::selectionFlagsChanged};
};

TEST_F(RenameListModelTest, ShowsFourLeftAlignedColumns) {
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 4);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), u"Directory"_s);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), u"Filename"_s);
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), u"Ren Output"_s);
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), u"Status"_s);
    EXPECT_EQ(columnLayout(ListColumn::Directory).width, 230);
    EXPECT_EQ(columnLayout(ListColumn::Renout).key, u"renout"_s);
    EXPECT_EQ(model.data(model.index(2, 0)).toString(), u"/e"_s);
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), u"c"_s);
    EXPECT_EQ(model.data(model.index(1, 2), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_FALSE(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));
}

TEST_F(RenameListModelTest, CommandsSignalWholeRangesNeverSingleRows) {
    const FixedClock clock({QDate(2005, 6, 14), QTime(12, 0)});
    model.appendEntries({{u"/f"_s, u"d.txt"_s}, {u"/f"_s, u"e.txt"_s}});
    EXPECT_EQ(inserted.count(), 1);

    model.refreshRenOutput(RenameRuleSet{}, DateTimeStamper(clock, TimeNotation{}));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(model.data(model.index(4, 2)).toString(), u"Image5.txt"_s);

    model.selectAll();
    model.setSelected(2, false);
    model.moveToLast();
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), u"c"_s);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(model.clickColumn(ListColumn::Filename).order, Qt::AscendingOrder);
    EXPECT_EQ(changed.count(), 3);
    model.removeSelected();
    EXPECT_EQ(reset.count(), 1);
    // and the statuses of the rows left, which another row may no longer stand in the way of
    EXPECT_EQ(changed.count(), 4);
    EXPECT_EQ(model.rowCount(), 1);
    model.clear();
    EXPECT_EQ(reset.count(), 2);
    EXPECT_EQ(signalsSent(), 7);
    EXPECT_EQ(flags.count(), 5);
}

TEST_F(RenameListModelTest, TheStatusHeaderCountsTheEntriesToCheck) {
    QSignalSpy header(&model, &QAbstractItemModel::headerDataChanged);
    RenameRuleSet rules;
    rules.NewFilename = u"same"_s;
    rules.Suffix = AffixRule::prefixAtStartUp();
    model.refreshRenOutput(rules, DateTimeStamper::system());
    // The two in /d want one path; the one in /e is alone in its folder.
    const int status = static_cast<int>(ListColumn::Status);
    EXPECT_EQ(model.headerData(status, Qt::Horizontal).toString(), u"Status (2 to check)"_s);
    EXPECT_EQ(model.data(model.index(1, status)).toString(), u"Duplicate"_s);
    EXPECT_EQ(model.data(model.index(2, status)).toString(), QString());
    EXPECT_TRUE(model.data(model.index(1, status), RenameListModel::NeedsCheckRole).toBool());
    EXPECT_FALSE(model.data(model.index(1, 2), RenameListModel::NeedsCheckRole).toBool());
    model.refreshRenOutput(rules, DateTimeStamper::system());
    EXPECT_EQ(header.count(), 1);
    // The status column sorts like the others: empty first.
    EXPECT_EQ(model.clickColumn(ListColumn::Status).order, Qt::AscendingOrder);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), u"c"_s);
    EXPECT_EQ(model.data(model.index(2, status)).toString(), u"Duplicate"_s);

    model.setSelected(0, true);
    model.setSelected(1, true);
    model.removeSelected();
    EXPECT_EQ(model.headerData(status, Qt::Horizontal).toString(), u"Status"_s);
    EXPECT_EQ(model.data(model.index(0, status)).toString(), QString());
}

TEST(RenameListModelOutputTest, TheStatusesFollowWhereTheRunPutsTheFiles) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(u"out"_s);
    for (const char* name : {"Image1", "out/Image1"})
        QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    PosixFileSystem files;
    RenameListModel model(files);
    model.appendEntries({{dir.path(), u"Image1"_s}});
    model.refreshRenOutput(RenameRuleSet{}, DateTimeStamper::system());
    const int status = static_cast<int>(ListColumn::Status);
    EXPECT_EQ(model.data(model.index(0, status)).toString(), u"Unchanged"_s);

    model.setOutput(false, dir.filePath(u"out"_s));
    EXPECT_EQ(model.data(model.index(0, status)).toString(), u"Name taken"_s);
    model.setOutput(true, dir.filePath(u"out"_s));
    EXPECT_EQ(model.data(model.index(0, status)).toString(), u"Unchanged"_s);
}

TEST_F(RenameListModelTest, SelectionCommandsOnlyTouchTheFlags) {
    model.selectAll();
    model.invertSelection();
    model.deselectAll();
    model.moveUp(); // nothing selected, nothing moves
    EXPECT_EQ(flags.count(), 3);
    EXPECT_EQ(signalsSent(), 0);
}

TEST_F(RenameListModelTest, ColumnClicksAlternateEachColumnOnItsOwn) {
    EXPECT_EQ(model.clickColumn(ListColumn::Filename).order, Qt::AscendingOrder);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), u"a"_s);
    EXPECT_EQ(model.clickColumn(ListColumn::Directory).order, Qt::AscendingOrder);
    EXPECT_EQ(model.clickColumn(ListColumn::Filename).order, Qt::DescendingOrder);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), u"c"_s);
    EXPECT_EQ(model.clickColumn(ListColumn::Filename).order, Qt::AscendingOrder);
    EXPECT_EQ(model.clickColumn(ListColumn::Directory).order, Qt::DescendingOrder);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), u"/e"_s);
}

TEST(RenameListModelEmptyTest, SortingAnEmptyListChangesNothing) {
    PosixFileSystem files;
    RenameListModel model(files);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    EXPECT_EQ(model.clickColumn(ListColumn::Renout).order, Qt::AscendingOrder);
    model.refreshRenOutput(RenameRuleSet{}, DateTimeStamper::system());
    EXPECT_EQ(changed.count(), 0);
}

// Lists planned on another thread, as long ones are: "a" and "b" in one folder, "c" in another.
class BackgroundPlanTest : public testing::Test {
protected:
    BackgroundPlanTest() {
        QDir(dir.path()).mkdir(u"sub"_s);
        for (const char* name : {"a", "b", "sub/c"})
            QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
        model.setBackgroundPlanFrom(1);
        model.appendEntries(
            {{dir.path(), u"a"_s}, {dir.path(), u"b"_s}, {dir.filePath(u"sub"_s), u"c"_s}});
        sameName.NewFilename = u"same"_s;
        sameName.Suffix = AffixRule::prefixAtStartUp();
    }

    void waitForStatuses() {
        const QDeadlineTimer deadline(10'000);
        while (model.planning() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        // Word from plans stopped meanwhile is to change nothing.
        QCoreApplication::processEvents();
        ASSERT_FALSE(model.planning());
    }
    QString cell(int row, ListColumn column) const {
        return model.data(model.index(row, static_cast<int>(column))).toString();
    }

    EventLoopApplication application;
    QTemporaryDir dir;
    PosixFileSystem files;
    RenameListModel model{files};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    RenameRuleSet sameName;
};

TEST_F(BackgroundPlanTest, TheStatusesFollowThePreviewOnceThePlanIsDone) {
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.refreshRenOutput(sameName, DateTimeStamper::system());
    EXPECT_EQ(cell(1, ListColumn::Renout), u"same"_s);
    EXPECT_EQ(cell(1, ListColumn::Status), QString());
    EXPECT_TRUE(model.planning());
    waitForStatuses();
    EXPECT_EQ(cell(0, ListColumn::Status), u"Duplicate"_s);
    EXPECT_EQ(cell(1, ListColumn::Status), u"Duplicate"_s);
    EXPECT_EQ(cell(2, ListColumn::Status), QString());
    EXPECT_EQ(model.toCheck(), 2);
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(1).at(0).toModelIndex().column(), static_cast<int>(ListColumn::Status));
}

TEST_F(BackgroundPlanTest, ACommandChangingTheRowsMidPlanGetsThePlanForTheRowsLeft) {
    model.refreshRenOutput(sameName, DateTimeStamper::system());
    waitForStatuses();
    model.refreshRenOutput(RenameRuleSet{}, DateTimeStamper::system());
    model.refreshRenOutput(sameName, DateTimeStamper::system());
    model.setSelected(1, true);
    model.removeSelected();
    waitForStatuses();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(cell(0, ListColumn::Status), QString());
    EXPECT_EQ(cell(1, ListColumn::Status), QString());
    EXPECT_EQ(model.toCheck(), 0);

    model.refreshRenOutput(sameName, DateTimeStamper::system());
    model.clear();
    model.appendEntries({{dir.path(), u"a"_s}, {dir.path(), u"b"_s}});
    model.refreshRenOutput(sameName, DateTimeStamper::system());
    waitForStatuses();
    EXPECT_EQ(cell(1, ListColumn::Status), u"Duplicate"_s);
    EXPECT_EQ(model.toCheck(), 2);
}

TEST_F(BackgroundPlanTest, SortingByStatusTakesThePlanUnderWayFirst) {
    model.refreshRenOutput(sameName, DateTimeStamper::system());
    model.clickColumn(ListColumn::Status);
    EXPECT_EQ(cell(0, ListColumn::Filename), u"c"_s);
    EXPECT_EQ(cell(2, ListColumn::Status), u"Duplicate"_s);
}

} // namespace
} // namespace quillane
