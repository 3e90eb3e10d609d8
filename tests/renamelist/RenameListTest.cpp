#include "renamelist/RenameList.h"

#include "tests/CaseName.h"
#include "tests/renamelist/ListHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

struct CommandCase {
    const char* name;
    std::function<void(RenameList&)> command;
    QString before;
    QString after;
};

class RenameListCommandTest : public testing::TestWithParam<CommandCase> {};

TEST_P(RenameListCommandTest, GivesTheOrderAndSelection) {
    const CommandCase& c = GetParam();
    RenameList list = listOf(c.before);
    c.command(list);
    EXPECT_EQ(describe(list), c.after);
    EXPECT_EQ(list.selectedCount(), c.after.count(u'*'));
}

const auto SortUp = [](RenameList& l) {
    l.sortBy(ListColumn::Filename, Qt::AscendingOrder);
};
const auto SortDown = [](RenameList& l) {
    l.sortBy(ListColumn::Filename, Qt::DescendingOrder);
};

INSTANTIATE_TEST_SUITE_P(
    Editing, RenameListCommandTest,
    testing::Values(
        CommandCase{"RemoveSelectsTheFollowingRow", &RenameList::removeSelected, u"a b* c* d e"_s,
                    u"a d* e"_s},
        CommandCase{"RemoveLastSelectsNewLast", &RenameList::removeSelected, u"a b c*"_s,
                    u"a b*"_s},
        CommandCase{"RemoveEverything", &RenameList::removeSelected, u"a* b* c*"_s, u""_s},
        CommandCase{"RemoveScattered", &RenameList::removeSelected, u"a* b c* d"_s, u"b d*"_s},
        CommandCase{"RemoveNothingSelected", &RenameList::removeSelected, u"a b"_s, u"a b"_s},
        CommandCase{"UpStopsAtTheTop", &RenameList::moveUp, u"a* b c*"_s, u"a* c* b"_s},
        CommandCase{"UpMovesABlock", &RenameList::moveUp, u"a b* c* d"_s, u"b* c* a d"_s},
        CommandCase{"UpOnlyOnePlace", &RenameList::moveUp, u"a b c d*"_s, u"a b d* c"_s},
        CommandCase{"DownStopsAtTheBottom", &RenameList::moveDown, u"a* b c*"_s, u"b a* c*"_s},
        CommandCase{"DownMovesABlock", &RenameList::moveDown, u"a b* c* d"_s, u"a d b* c*"_s},
        CommandCase{"FirstGathersInOrder", &RenameList::moveToFirst, u"a b* c d e* f"_s,
                    u"b* e* a c d f"_s},
        CommandCase{"FirstWhenAlreadyFirst", &RenameList::moveToFirst, u"a* b* c"_s, u"a* b* c"_s},
        CommandCase{"LastWithOnlyTheLastRow", &RenameList::moveToLast, u"a b c*"_s, u"a b c*"_s},
        CommandCase{"LastGathersInOrder", &RenameList::moveToLast, u"a* b c* d"_s, u"b d a* c*"_s},
        CommandCase{"SelectAll", &RenameList::selectAll, u"a b* c"_s, u"a* b* c*"_s},
        CommandCase{"DeselectAll", &RenameList::deselectAll, u"a b* c*"_s, u"a b c"_s},
        CommandCase{"Invert", &RenameList::invertSelection, u"a b* c"_s, u"a* b c*"_s},
        CommandCase{"InvertNothingSelected", &RenameList::invertSelection, u"a b"_s, u"a* b*"_s},
        CommandCase{"SortByNameKeepsFlags", SortUp, u"file10 File2* file1"_s,
                    u"file1 File2* file10"_s},
        CommandCase{"SortDescending", SortDown, u"b a* c"_s, u"c b a*"_s},
        CommandCase{"SortTiesKeepTheirOrder", SortUp, u"Photo* photo PHOTO a01 a1* a001"_s,
                    u"a01 a1* a001 Photo* photo PHOTO"_s},
        CommandCase{"SortTiesKeepTheirOrderDescending", SortDown, u"a01 Photo* a1* photo"_s,
                    u"Photo* photo a01 a1*"_s}),
    CaseName());

TEST(RenameListTest, MovesLeaveTheRenoutCellsWithTheirPositions) {
    RenameList list = listOf(u"a b c* d"_s);
    for (qint32 row = 0; row < list.count(); ++row)
        list.setCell(row, ListColumn::Renout, QString::number(row));
    list.moveUp();
    list.moveToLast();
    EXPECT_EQ(describe(list), u"a b d c*"_s);
    for (qint32 row = 0; row < list.count(); ++row)
        EXPECT_EQ(list.cell(row, ListColumn::Renout), QString::number(row));
}

// A name written alone goes over the row's old one where it fits and after all the others where
// it does not; neither may reach another row's name, nor a copy taken before.
TEST(RenameListTest, ANewNameWrittenAloneChangesItsRowAlone) {
    RenameList list = listOf(u"a b c"_s);
    list.setCell(0, ListColumn::Renout, u"first long name.txt"_s);
    list.setCell(1, ListColumn::Renout, u"second.txt"_s);
    list.setCell(2, ListColumn::Renout, u"third.txt"_s);
    const QString shown = list.cell(1, ListColumn::Renout);
    list.setCell(0, ListColumn::Renout, u"short.txt"_s);
    list.setCell(1, ListColumn::Renout, u"a name longer than its row had.txt"_s);
    list.setCell(2, ListColumn::Renout, QString());
    EXPECT_EQ(shown, u"second.txt"_s);
    EXPECT_EQ(list.cell(0, ListColumn::Renout), u"short.txt"_s);
    EXPECT_EQ(list.cell(1, ListColumn::Renout), u"a name longer than its row had.txt"_s);
    EXPECT_TRUE(list.cell(2, ListColumn::Renout).isEmpty());

    // Written anew as a whole, the names are each row's own again.
    list.setRenouts([](qint32 first, qint32 end, RenameList::RenoutWriter& names) {
        for (qint32 row = first; row < end; ++row)
            names.write(row, [row](TextBuffer& text) { text << QString::number(row * 11); });
    });
    list.setCell(1, ListColumn::Renout, u"longer than eleven"_s);
    EXPECT_EQ(list.cell(0, ListColumn::Renout), u"0"_s);
    EXPECT_EQ(list.cell(1, ListColumn::Renout), u"longer than eleven"_s);
    EXPECT_EQ(list.cell(2, ListColumn::Renout), u"22"_s);
}

TEST(RenameListTest, MoveReportsTheRowsItChanged) {
    RenameList list = listOf(u"a b c* d e* f"_s);
    EXPECT_EQ(list.moveUp(), (RowRange{1, 4}));
    EXPECT_EQ(list.moveToFirst(), (RowRange{0, 3}));
    EXPECT_EQ(list.moveToFirst(), std::nullopt);
    EXPECT_EQ(list.moveToLast(), (RowRange{0, 5}));
    RenameList none = listOf(u"a b"_s);
    EXPECT_EQ(none.moveDown(), std::nullopt);
}

// Moving to the top or bottom at once must give what repeating the one-place moves gives.
TEST(RenameListTest, MoveToFirstAndLastMatchRepeatedPasses) {
    std::mt19937 random(20261206);
    for (int trial = 0; trial < 300; ++trial) {
        QString rows;
        const int size = 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < size; ++i)
            rows += QString::number(i) + (random() % 3 == 0 ? u"* "_s : u" "_s);
        for (const bool toFirst : {true, false}) {
            RenameList once = listOf(rows);
            RenameList passes = listOf(rows);
            if (toFirst)
                once.moveToFirst();
            else
                once.moveToLast();
            for (int pass = 0; pass < size; ++pass) {
                if (toFirst)
                    passes.moveUp();
                else
                    passes.moveDown();
            }
            EXPECT_EQ(describe(once), describe(passes)) << rows.toStdString();
        }
    }
}

TEST(RenameListTest, LongListsMoveAndSelectLikeShortOnes) {
    RenameList list;
    const qint32 size = 40'000;
    for (qint32 row = 0; row < size; ++row)
        list.append(u"/d"_s, QString::number(row));
    list.setSelected(size - 1, true);
    list.moveToFirst();
    EXPECT_EQ(list.filename(0), QString::number(size - 1));
    list.moveDown();
    EXPECT_EQ(list.filename(1), QString::number(size - 1));
    list.invertSelection();
    EXPECT_EQ(list.selectedCount(), size - 1);
    list.removeSelected();
    EXPECT_EQ(describe(list), QString::number(size - 1) + u"*"_s);
}

// Rows take their names from listings' texts, each name a part of one, or from names of their
// own; removing most rows and renaming others drops texts no row needs without losing a name.
TEST(RenameListTest, NamesKeptInSharedTextsSurviveRemovesAndRenames) {
    constexpr qint32 Rows = 60'000;
    const auto nameOf = [](qint32 row) {
        return u"IMG_%1.JPG"_s.arg(row);
    };
    QString listing;
    std::vector<std::pair<qsizetype, qsizetype>> places;
    for (qint32 row = 0; row < Rows; ++row) {
        places.emplace_back(listing.size(), nameOf(row).size());
        listing += nameOf(row) + QChar(u'\0');
    }
    const QString listingBefore = listing;
    RenameList list;
    QStringList expected;
    for (qint32 row = 0; row < Rows; ++row) {
        if (row % 7 == 0)
            list.append(u"/own"_s, nameOf(row));
        else
            list.append({u"/d"_s, listing, places[row].first, places[row].second});
        expected.append(nameOf(row));
    }
    const auto names = [&] {
        QStringList found;
        for (qint32 row = 0; row < list.count(); ++row)
            found.append(list.cell(row, ListColumn::Filename));
        return found;
    };
    EXPECT_EQ(names(), expected);

    const QString copied = list.cell(1, ListColumn::Filename);
    for (qint32 row = 0; row < Rows; ++row)
        list.setSelected(row, row % 10 != 3);
    list.removeSelected();
    QStringList kept;
    for (qint32 row = 3; row < Rows; row += 10)
        kept.append(nameOf(row));
    EXPECT_EQ(names(), kept);

    // Written many times over, so that the texts' dead names come to outweigh the live ones.
    for (int round = 0; round < 20; ++round) {
        for (qint32 row = 0; row < list.count(); row += 2) {
            kept[row] = u"renamed %1 %2"_s.arg(round).arg(row);
            list.setCell(row, ListColumn::Filename, kept[row]);
        }
    }
    EXPECT_EQ(names(), kept);
    list.sortBy(ListColumn::Filename, Qt::AscendingOrder);
    EXPECT_EQ(list.cell(0, ListColumn::Filename), nameOf(13));
    EXPECT_EQ(copied, nameOf(1));
    EXPECT_EQ(listing, listingBefore);
}

// A listing's text is let go as soon as no row's name lies in it, however small it is.
TEST(RenameListTest, AListingsTextIsLetGoOnceNoRowNeedsIt) {
    QString renamed = u"a"_s + QChar(u'\0') + u"b"_s + QChar(u'\0');
    QString removed = u"c"_s + QChar(u'\0') + u"d"_s + QChar(u'\0');
    RenameList list;
    list.append({u"/r"_s, renamed, 0, 1});
    list.append({u"/x"_s, removed, 0, 1});
    list.append({u"/r"_s, renamed, 2, 1});
    list.append({u"/x"_s, removed, 2, 1});
    EXPECT_FALSE(renamed.isDetached());
    EXPECT_FALSE(removed.isDetached());

    list.setCell(0, ListColumn::Filename, u"e"_s);
    EXPECT_FALSE(renamed.isDetached());
    list.setCell(2, ListColumn::Filename, u""_s);
    EXPECT_TRUE(renamed.isDetached());

    list.setSelected(1, true);
    list.setSelected(3, true);
    list.removeSelected();
    EXPECT_TRUE(removed.isDetached());
    EXPECT_EQ(list.cell(0, ListColumn::Filename), u"e"_s);
    EXPECT_EQ(list.cell(1, ListColumn::Filename), QString());
}

// Cells separated by "|".
struct OrderCase {
    const char* name;
    ListColumn column;
    QString cells;
    QString sorted;
};

class SortOrderTest : public testing::TestWithParam<OrderCase> {};

TEST_P(SortOrderTest, OrdersAsPeopleRead) {
    const OrderCase& c = GetParam();
    RenameList list;
    for (const QString& cell : c.cells.split(u'|')) {
        list.append(u"/d"_s, u"f"_s);
        list.setCell(list.count() - 1, c.column, cell);
    }
    list.sortBy(c.column, Qt::AscendingOrder);
    QStringList cells;
    for (qint32 row = 0; row < list.count(); ++row)
        cells.append(list.cell(row, c.column));
    EXPECT_EQ(cells, c.sorted.split(u'|'));
}

INSTANTIATE_TEST_SUITE_P(
    Columns, SortOrderTest,
    testing::Values(OrderCase{"NumbersByValue", ListColumn::Filename, u"file10|file2|file1"_s,
                              u"file1|file2|file10"_s},
                    OrderCase{"CaseIgnored", ListColumn::Filename, u"b|C|A"_s, u"A|b|C"_s},
                    OrderCase{"LongNumbers", ListColumn::Filename,
                              u"x100000000000000000000|x99999999999999999999"_s,
                              u"x99999999999999999999|x100000000000000000000"_s},
                    OrderCase{"PrefixFirst", ListColumn::Filename, u"img1|img|"_s, u"|img|img1"_s},
                    OrderCase{"AccentsFolded", ListColumn::Filename, u"\u00E9b|\u00C9a"_s,
                              u"\u00C9a|\u00E9b"_s},
                    OrderCase{"BeyondTheBasicPlaneFolded", ListColumn::Filename,
                              u"\U00010428b|\U00010400a"_s, u"\U00010400a|\U00010428b"_s},
                    OrderCase{"DirectoriesByValue", ListColumn::Directory, u"/p/d10|/p/D9"_s,
                              u"/p/D9|/p/d10"_s},
                    OrderCase{"RenoutPlainText", ListColumn::Renout, u"file2|b|file10|B"_s,
                              u"B|b|file10|file2"_s}),
    CaseName());

TEST(RenameListTest, RowsSharingAFolderTextStillSortByIt) {
    const QChar text[] = {u'b', u'9', u'z'};
    RenameList list;
    list.append(QString::fromRawData(text, 3), u"f"_s);
    list.append(QString::fromRawData(text, 1), u"f"_s);
    list.append(u"b5"_s, u"f"_s);
    list.sortBy(ListColumn::Directory, Qt::AscendingOrder);
    EXPECT_EQ(list.at(0).directory, u"b"_s);
    EXPECT_EQ(list.at(1).directory, u"b5"_s);
    EXPECT_EQ(list.at(2).directory, u"b9z"_s);
}

TEST(DirectoryCellFormTest, KeepsOnlyARootsSeparator) {
    EXPECT_EQ(directoryCellForm(u"/home/ann/"_s), u"/home/ann"_s);
    EXPECT_EQ(directoryCellForm(u"/home/ann"_s), u"/home/ann"_s);
    EXPECT_EQ(directoryCellForm(u"/home//"_s), u"/home"_s);
    EXPECT_EQ(directoryCellForm(u"/"_s), u"/"_s);
    EXPECT_EQ(directoryCellForm(u"C:/"_s), u"C:/"_s);
    EXPECT_EQ(directoryCellForm(u"C://"_s), u"C:/"_s);
}

// Sorts the list and counts the rows that are not where a plain stable sort of the whole keys
// puts them, each row known by its `tag` text.
qint32 misplacedAfterSort(RenameList& list, ListColumn column, Qt::SortOrder order,
                          ListColumn tag) {
    std::vector<std::pair<std::u32string, QString>> expected;
    for (qint32 row = 0; row < list.count(); ++row) {
        std::u32string key;
        if (column == ListColumn::Renout) {
            for (const QChar c : list.renout(row))
                key.push_back(c.unicode());
        } else {
            appendNaturalSortKey(key, list.cell(row, column));
        }
        expected.emplace_back(std::move(key), list.cell(row, tag));
    }
    std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
        return order == Qt::AscendingOrder ? a.first < b.first : b.first < a.first;
    });
    list.sortBy(column, order);
    qint32 wrong = 0;
    for (qint32 row = 0; row < list.count(); ++row)
        wrong += list.cell(row, tag) != expected[static_cast<std::size_t>(row)].second;
    return wrong;
}

// Long lists sort on packed heads of the keys, built on every core: the order must be the one a
// plain stable sort of the whole keys gives, in both directions, narrow names and wide ones alike.
TEST(RenameListTest, ALongListSortsAsAStableSortOfItsKeys) {
    const QStringList pieces{u"IMG_"_s,   u"img_"_s,   u"0"_s,      u"7"_s,      u"12"_s,
                             u" "_s,      u"\u00E9"_s, u"\u0416"_s, u"\u5B57"_s, u"\U00010400"_s,
                             u"\uFFFD"_s, u"z"_s,      u"Z"_s,      u"(copy)"_s, u".JPG"_s};
    std::mt19937 random(11);
    for (const bool wide : {false, true}) {
        RenameList list;
        constexpr qint32 Rows = 34'000;
        for (qint32 row = 0; row < Rows; ++row) {
            // A long shared start, then a few pieces: many names come out equal.
            QString name = u"holiday photos "_s;
            const int count = static_cast<int>(random() % 4);
            for (int i = 0; i < count; ++i)
                name += pieces[static_cast<qsizetype>(random() % (wide ? pieces.size() : 6))];
            list.append(QString::number(row), name);
            list.setCell(row, ListColumn::Renout, name);
        }
        for (const ListColumn column : {ListColumn::Filename, ListColumn::Renout}) {
            for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                EXPECT_EQ(misplacedAfterSort(list, column, order, ListColumn::Directory), 0)
                    << "wide " << wide << ", column " << static_cast<int>(column) << ", order "
                    << order;
            }
        }
    }
}

// The start every key shares is guessed from a few rows: a row that leaves it early, wherever it
// stands, must still sort into its place.
TEST(RenameListTest, ARowLeavingTheSharedStartEarlySortsIntoPlace) {
    constexpr qint32 Rows = 40'000;
    for (const qint32 odd : {1, Rows / 2 + 1, Rows - 1}) {
        RenameList list;
        for (qint32 row = 0; row < Rows; ++row)
            list.append(u"/d"_s,
                        row == odd ? u"holiday aaaaaa9"_s : u"holiday photo %1"_s.arg(row));
        list.sortBy(ListColumn::Filename, Qt::AscendingOrder);
        EXPECT_EQ(list.filename(0), u"holiday aaaaaa9"_s) << "at " << odd;
        list.sortBy(ListColumn::Filename, Qt::DescendingOrder);
        EXPECT_EQ(list.filename(Rows - 1), u"holiday aaaaaa9"_s) << "at " << odd;
        EXPECT_EQ(list.filename(0),
                  u"holiday photo %1"_s.arg(odd == Rows - 1 ? Rows - 2 : Rows - 1));
    }
}

// Rows of one folder share its directory string wherever they stand, and share its key; other
// strings with the same text, or a part of it, are keys of their own.
TEST(RenameListTest, ScatteredRowsOfSharedFoldersSortByThem) {
    const QString folders[] = {u"/p/d10"_s, u"/p/D9"_s, u"/p/d9"_s, u"/p/d"_s, u"/p/d10"_s};
    const QString longest = u"/p/d10x"_s;
    std::mt19937 random(5);
    RenameList list;
    for (qint32 row = 0; row < 34'000; ++row) {
        const auto pick = random() % 7;
        // Strings that start at the same character but end apart.
        const QString directory = pick == 5   ? QString::fromRawData(longest.constData(), 6)
                                  : pick == 6 ? longest
                                              : folders[pick];
        list.append(directory, QString::number(row));
    }
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        EXPECT_EQ(misplacedAfterSort(list, ListColumn::Directory, order, ListColumn::Filename), 0)
            << "order " << order;
    }
}

} // namespace
} // namespace quillane
