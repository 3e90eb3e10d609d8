#include "renamelist/RenamePlan.h"

#include "platform/PathText.h"
#include "tests/support/CountingFileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stop_token>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

class RenamePlanTest : public testing::Test {
protected:
    void make(const QString& name) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    }
    // "old>new" rows; "sub/old" for a file in a subfolder.
    void list(const QStringList& renames) {
        for (const QString& rename : renames) {
            const QString path = dir.filePath(rename.section(u'>', 0, 0));
            entries.append(folderOf(path), fileNameOf(path));
            entries.setCell(entries.count() - 1, ListColumn::Renout, rename.section(u'>', 1));
        }
    }
    // A folder stamp a second change could not share.
    void age(const QString& folder) {
        const timespec times[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), times, 0), 0);
    }
    QStringList statuses(const RenamePlan& plan) const {
        QStringList texts;
        for (qint32 row = 0; row < entries.count(); ++row)
            texts.append(statusText(plan.status(row)));
        return texts;
    }

    QTemporaryDir dir;
    RenameList entries;
    CountingFileSystem files;
    FolderNames folders{files};
};

TEST_F(RenamePlanTest, GivesEveryEntryTheStatusOfWhatTheRunWouldMeet) {
    for (const char* name : {"a", "b", "c", "d", "x", "f", "g", "h", "i", "k", "l", "m", "n", "z"})
        make(QString::fromLatin1(name));
    list({u"a>a"_s, u"b>dup"_s, u"c>dup"_s, u"d>x"_s, u"f>"_s, u"f>s/t"_s,
          u"g>"_s + QString(256, u'g'), u"gone>y"_s, u"h>.h"_s, u"i>j"_s, u"k>l"_s, u"l>k"_s,
          u"m>n"_s, u"n>z"_s});
    const RenamePlan plan = RenamePlan::make(entries, {}, folders);

    EXPECT_EQ(statuses(plan),
              (QStringList{u"Unchanged"_s, u"Duplicate"_s, u"Duplicate"_s, u"Name taken"_s,
                           u"Invalid name"_s, u"Invalid name"_s, u"Name too long"_s, u"Missing"_s,
                           u"Becomes hidden"_s, QString(), QString(), QString(), u"Name taken"_s,
                           u"Name taken"_s}));
    EXPECT_EQ(plan.toCheck(), 9);
    // The swap moves, each file held by the other; the first of the duplicates gets the name.
    EXPECT_TRUE(plan.moves(10));
    EXPECT_EQ(plan.holderOfTarget(10), 11);
    EXPECT_EQ(plan.holderOfTarget(11), 10);
    EXPECT_TRUE(plan.moves(1));
    EXPECT_FALSE(plan.moves(2));
    // m waits for n, which cannot leave: neither moves.
    EXPECT_EQ(plan.holderOfTarget(12), 13);
    EXPECT_FALSE(plan.moves(12));
    EXPECT_FALSE(plan.moves(0));
}

// A long list is planned on several cores, in blocks of rows; the statuses are those of the
// rows' own plan, the moving files' holders found across the whole list. The mixed rows stand
// across the end of a block.
TEST_F(RenamePlanTest, ALongListGetsTheStatusesItsPartsWouldGet) {
    for (const char* name : {"a", "b", "c", "d", "x", "l", "k", "m", "n", "z"})
        make(QString::fromLatin1(name));
    const QStringList mixed{u"a>a"_s,    u"b>dup"_s, u"c>dup"_s, u"d>x"_s, u"x>"_s,
                            u"gone>y"_s, u"k>l"_s,   u"l>k"_s,   u"m>n"_s, u"n>z"_s};
    list(mixed);
    const QStringList alone = statuses(RenamePlan::make(entries, {}, folders));

    entries.clear();
    // Rows in a folder that cannot be read count as there, so the filler is ready to go.
    const QString unread = dir.filePath(u"not a folder/sub"_s);
    const auto filler = [&](int from, int count) {
        for (int i = from; i < from + count; ++i) {
            entries.append(unread, u"f%1"_s.arg(i));
            entries.setCell(entries.count() - 1, ListColumn::Renout, u"g%1"_s.arg(i));
        }
    };
    constexpr int Before = 30'007;
    filler(0, Before);
    list(mixed);
    filler(Before, 30'000);
    const RenamePlan plan = RenamePlan::make(entries, {}, folders);
    const QStringList all = statuses(plan);
    EXPECT_EQ(all.mid(Before, mixed.size()), alone);
    EXPECT_EQ(all.count(QString()), Before + 30'000 + alone.count(QString()));
    EXPECT_EQ(plan.holderOfTarget(Before + 6), Before + 7);
    EXPECT_TRUE(plan.moves(Before + 29'999 + mixed.size()));
}

// Holders are looked up on every core: every pair and every link of a chain is still found,
// wherever its rows stand.
TEST_F(RenamePlanTest, ALongListFindsEveryDuplicateAndEveryHolder) {
    const QString unread = dir.filePath(u"not a folder"_s);
    const auto add = [&](const QString& from, const QString& to) {
        entries.append(unread, from);
        entries.setCell(entries.count() - 1, ListColumn::Renout, to);
    };
    constexpr qint32 Pairs = 20'000;
    constexpr qint32 Chain = 20'000;
    for (qint32 i = 0; i < Pairs; ++i)
        add(u"a%1"_s.arg(i), u"n%1"_s.arg(i));
    // Each file moves onto the next one's name, which leaves first.
    for (qint32 i = 0; i < Chain; ++i)
        add(u"c%1"_s.arg(i), u"c%1"_s.arg(i + 1));
    for (qint32 i = 0; i < Pairs; ++i)
        add(u"b%1"_s.arg(i), u"n%1"_s.arg(i));
    // A file that stays, its new name invalid, holds the first link's target, and so every link's.
    add(u"s"_s, QString());
    for (qint32 i = 0; i < Chain; ++i)
        add(u"t%1"_s.arg(i), i == 0 ? u"s"_s : u"t%1"_s.arg(i - 1));
    const RenamePlan plan = RenamePlan::make(entries, {}, folders);

    qint32 wrong = 0;
    for (qint32 i = 0; i < Pairs; ++i) {
        const qint32 second = Pairs + Chain + i;
        wrong +=
            plan.status(i) == EntryStatus::Duplicate && plan.duplicateOf(i) == -1 && plan.moves(i)
                ? 0
                : 1;
        wrong += plan.status(second) == EntryStatus::Duplicate && plan.duplicateOf(second) == i &&
                         !plan.moves(second)
                     ? 0
                     : 1;
    }
    for (qint32 row = Pairs; row < Pairs + Chain; ++row) {
        const qint32 holder = row + 1 < Pairs + Chain ? row + 1 : -1;
        wrong += plan.status(row) == EntryStatus::Ready && plan.holderOfTarget(row) == holder &&
                         plan.moves(row)
                     ? 0
                     : 1;
    }
    const qint32 stays = 2 * Pairs + Chain;
    for (qint32 row = stays + 1; row <= stays + Chain; ++row) {
        wrong += plan.status(row) == EntryStatus::NameTaken && !plan.moves(row) &&
                         plan.holderOfTarget(row) == (row == stays + 1 ? -1 : row - 1)
                     ? 0
                     : 1;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(plan.heldByListed(stays + 1));
    EXPECT_EQ(plan.status(stays), EntryStatus::InvalidName);
    EXPECT_EQ(plan.toCheck(), 2 * Pairs + Chain + 1);
}

// The plan keeps the names of every folder it met, to look at them again for later rows.
TEST_F(RenamePlanTest, NamesHandedOutInARoundStayValidWhileMoreFoldersAreMet) {
    const auto folderHolding = [&](const QString& folder, const QString& name) {
        EXPECT_TRUE(QDir(dir.path()).mkpath(folder));
        make(folder + u'/' + name);
        return dir.filePath(folder);
    };
    folders.startRound();
    const FolderNameTable* kept = folders.names(folderHolding(u"first"_s, u"a"_s));
    ASSERT_NE(kept, nullptr);
    for (int i = 0; i < 200; ++i)
        EXPECT_NE(folders.names(folderHolding(u"more %1"_s.arg(i), u"b"_s)), nullptr);
    EXPECT_TRUE(kept->contains(u"a"_s));
    EXPECT_FALSE(kept->contains(u"b"_s));
}

TEST(FolderNameTableTest, FindsEveryNameItHoldsAndNoOther) {
    QString names;
    for (int i = 0; i < 5000; ++i)
        names += u"IMG_%1.JPG"_s.arg(i) + QChar(u'\0');
    const FolderNameTable table(names);
    int found = 0;
    int foundElse = 0;
    for (int i = 0; i < 10'000; ++i) {
        found += table.contains(u"IMG_%1.JPG"_s.arg(i)) ? 1 : 0;
        foundElse += table.contains(u"IMG_%1.jpg"_s.arg(i)) ? 1 : 0;
        // Neighbours in the text: a name never runs on into the next one or ends early.
        foundElse += table.contains(u"IMG_%1.JP"_s.arg(i)) ? 1 : 0;
        foundElse += table.contains(u"IMG_%1.JPG"_s.arg(i) + QChar(u'\0')) ? 1 : 0;
    }
    EXPECT_EQ(found, 5000);
    EXPECT_EQ(foundElse, 0);
    EXPECT_FALSE(FolderNameTable(QString()).contains(QString()));
}

TEST_F(RenamePlanTest, NameTooLongCountsBytesOfTheFileSystemEncoding) {
    make(u"a"_s);
    make(u"b"_s);
    list({u"a>"_s + QString(127, u'é'), u"b>"_s + QString(128, u'é')});
    EXPECT_EQ(statuses(RenamePlan::make(entries, {}, folders)),
              (QStringList{QString(), u"Name too long"_s}));
}

TEST_F(RenamePlanTest, TargetsInTheOutputFolderAreCheckedThere) {
    QDir(dir.path()).mkdir(u"out"_s);
    make(u"a"_s);
    make(u"b"_s);
    make(u"out/a"_s);
    make(u"out/b"_s);
    list({u"a>a"_s, u"b>b"_s, u"out/b>c"_s});
    RunSettings settings{.outputWhereFileIs = false, .customOutputDir = dir.filePath(u"out"_s)};
    const RenamePlan plan = RenamePlan::make(entries, settings, folders);

    EXPECT_EQ(statuses(plan), (QStringList{u"Name taken"_s, QString(), QString()}));
    EXPECT_EQ(plan.holderOfTarget(1), 2);
}

TEST_F(RenamePlanTest, AFolderIsListedOnceWhileItStaysAsItWas) {
    make(u"a"_s);
    list({u"a>b"_s});
    age(dir.path());
    EXPECT_EQ(statuses(RenamePlan::make(entries, {}, folders)), QStringList{QString()});
    EXPECT_EQ(statuses(RenamePlan::make(entries, {}, folders)), QStringList{QString()});
    // A plan stopped before it looked at the folder makes the next one forget nothing.
    std::stop_source stop;
    stop.request_stop();
    RenamePlan::make(entries, {}, folders, stop.get_token());
    EXPECT_EQ(statuses(RenamePlan::make(entries, {}, folders)), QStringList{QString()});
    EXPECT_EQ(files.listings, 1);

    make(u"b"_s);
    EXPECT_EQ(statuses(RenamePlan::make(entries, {}, folders)), QStringList{u"Name taken"_s});
    EXPECT_EQ(files.listings, 2);
    // Changed this very moment, it could change again under the same stamp: read each time.
    EXPECT_EQ(statuses(RenamePlan::make(entries, {}, folders)), QStringList{u"Name taken"_s});
    EXPECT_EQ(files.listings, 3);
}

// Rows added from a folder's listing share its text with the folder's table: they are there with
// no lookup while the folder stays as it was, and are looked up again once it has changed.
TEST_F(RenamePlanTest, RowsSharingTheirFolderListingAreThereUntilTheFolderChanges) {
    for (const QString& name : {u"a"_s, u"b"_s, u"c"_s})
        make(name);
    age(dir.path());
    const QString folder = directoryCellForm(dir.path());
    std::optional<FolderListing> listing = files.list(folder, u"*.*"_s);
    ASSERT_TRUE(listing.has_value());
    QStringList renames;
    for (const DirectoryEntry& entry : listing->entries) {
        entries.append({folder, listing->names.names, entry.nameAt, entry.nameLength});
        const QString name = listing->nameOf(entry).toString();
        // a and b swap, c takes a name of its own.
        const QString renout = name == u"a"_s ? u"b"_s : name == u"b"_s ? u"a"_s : u"d"_s;
        entries.setCell(entries.count() - 1, ListColumn::Renout, renout);
        renames.append(name + u'>' + renout);
    }
    folders.keep({folder, std::move(listing->names)});
    const auto rowOf = [&](const QString& rename) {
        return static_cast<qint32>(renames.indexOf(rename));
    };

    const RenamePlan plan = RenamePlan::make(entries, {}, folders);
    EXPECT_EQ(statuses(plan), (QStringList{QString(), QString(), QString()}));
    EXPECT_EQ(plan.holderOfTarget(rowOf(u"a>b"_s)), rowOf(u"b>a"_s));
    EXPECT_EQ(plan.holderOfTarget(rowOf(u"b>a"_s)), rowOf(u"a>b"_s));
    EXPECT_EQ(files.listings, 0);

    ASSERT_TRUE(QFile::remove(dir.filePath(u"c"_s)));
    const RenamePlan after = RenamePlan::make(entries, {}, folders);
    EXPECT_EQ(statusText(after.status(rowOf(u"c>d"_s))), u"Missing"_s);
    EXPECT_EQ(after.holderOfTarget(rowOf(u"a>b"_s)), rowOf(u"b>a"_s));
    EXPECT_EQ(files.listings, 1);
}

TEST_F(RenamePlanTest, AFolderThatCannotBeReadHidesNothingAndMissesNothing) {
    list({u"nowhere/a>b"_s, u"nowhere/c>c"_s});
    EXPECT_EQ(statuses(RenamePlan::make(entries, {}, folders)),
              (QStringList{QString(), u"Unchanged"_s}));
}

} // namespace
} // namespace quillane
