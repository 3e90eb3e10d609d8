#include "renamelist/RenameListModel.h"

#include "tests/QtPrinters.h"
#include "tests/rules/FixedClock.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

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

    RenameListModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QSignalSpy reset{&model, &QAbstractItemModel::modelReset};
    QSignalSpy changed{&model, &QAbstractItemModel::dataChanged};
    QSignalSpy inserted{&model, &QAbstractItemModel::rowsInserted};
    QSignalSpy removed{&model, &QAbstractItemModel::rowsRemoved};
    QSignalSpy layout{&model, &QAbstractItemModel::layoutChanged};
    QSignalSpy flags{&model, &RenameListModel::selectionFlagsChanged};
};

TEST_F(RenameListModelTest, ShowsThreeLeftAlignedColumns) {
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), u"Directory"_s);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), u"Filename"_s);
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), u"Ren Output"_s);
    EXPECT_EQ(columnLayout(ListColumn::Directory).width, 230);
    EXPECT_EQ(columnLayout(ListColumn::Renout).key, u"renout"_s);
    EXPECT_EQ(model.data(model.index(2, 0)).toString(), u"/e"_s);
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), u"c"_s);
    EXPECT_EQ(model.data(model.index(1, 2), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_FALSE(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));
}

TEST_F(RenameListModelTest, EachCommandSendsOneSignal) {
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
    EXPECT_EQ(model.rowCount(), 1);
    model.clear();
    EXPECT_EQ(reset.count(), 2);
    EXPECT_EQ(signalsSent(), 6);
    EXPECT_EQ(flags.count(), 5);
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
    RenameListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    EXPECT_EQ(model.clickColumn(ListColumn::Renout).order, Qt::AscendingOrder);
    model.refreshRenOutput(RenameRuleSet{}, DateTimeStamper::system());
    EXPECT_EQ(changed.count(), 0);
}

} // namespace
} // namespace quillane
