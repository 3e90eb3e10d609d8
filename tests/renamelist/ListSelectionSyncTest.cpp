#include "renamelist/ListSelectionSync.h"

#include "platform/PosixFileSystem.h"
#include "renamelist/RenameListModel.h"

#include <QItemSelectionModel>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

class ListSelectionSyncTest : public testing::Test {
protected:
    ListSelectionSyncTest() {
        model.appendEntries({{u"/d"_s, u"a"_s},
                             {u"/d"_s, u"b"_s},
                             {u"/d"_s, u"c"_s},
                             {u"/d"_s, u"d"_s},
                             {u"/d"_s, u"e"_s}});
    }

    QList<int> viewRows() const {
        QList<int> rows;
        for (int row = 0; row < model.rowCount(); ++row) {
            if (selection.isRowSelected(row))
                rows.append(row);
        }
        return rows;
    }

    QList<int> flagRows() const {
        QList<int> rows;
        for (int row = 0; row < model.list().count(); ++row) {
            if (model.list().at(row).selected)
                rows.append(row);
        }
        return rows;
    }

    void selectInView(int row, QItemSelectionModel::SelectionFlags how) {
        selection.select(model.index(row, 0), how | QItemSelectionModel::Rows);
    }

    PosixFileSystem files;
    RenameListModel model{files};
    QItemSelectionModel selection{&model};
    ListSelectionSync sync{model, selection};
    QSignalSpy userChanges{&sync, &ListSelectionSync::userChangedSelection};
};

TEST_F(ListSelectionSyncTest, UserSelectionWritesTheFlags) {
    selectInView(1, QItemSelectionModel::Select);
    selectInView(3, QItemSelectionModel::Select);
    EXPECT_EQ(flagRows(), (QList<int>{1, 3}));
    EXPECT_EQ(model.list().selectedCount(), 2);
    selectInView(1, QItemSelectionModel::Deselect);
    EXPECT_EQ(flagRows(), QList<int>{3});
    selectInView(4, QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(flagRows(), QList<int>{4});
    EXPECT_EQ(userChanges.count(), 4);
}

TEST(ListSelectionSyncStartTest, ShowsTheFlagsItFinds) {
    PosixFileSystem files;
    RenameListModel model(files);
    model.appendEntries({{u"/d"_s, u"a"_s}, {u"/d"_s, u"b"_s}});
    model.setSelected(1, true);
    QItemSelectionModel selection(&model);
    const ListSelectionSync sync(model, selection);
    EXPECT_FALSE(selection.isRowSelected(0));
    EXPECT_TRUE(selection.isRowSelected(1));
}

TEST_F(ListSelectionSyncTest, CommandsShowTheirFlagsInTheView) {
    model.selectAll();
    EXPECT_EQ(viewRows(), (QList<int>{0, 1, 2, 3, 4}));
    model.invertSelection();
    EXPECT_EQ(viewRows(), QList<int>{});
    selectInView(1, QItemSelectionModel::Select);
    selectInView(2, QItemSelectionModel::Select);
    model.moveToLast();
    EXPECT_EQ(viewRows(), (QList<int>{3, 4}));
    model.removeSelected();
    EXPECT_EQ(viewRows(), QList<int>{2});
    EXPECT_EQ(flagRows(), QList<int>{2});
    EXPECT_EQ(userChanges.count(), 2); // only the two clicks
}

} // namespace
} // namespace quillane
