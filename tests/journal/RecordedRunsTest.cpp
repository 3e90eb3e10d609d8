#include "journal/RecordedRuns.h"

#include "tests/CaseName.h"
#include "tests/journal/CrashingFileSystem.h"
#include "tests/journal/JournalFixture.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

class UndoTest : public JournalFixture {};

// Each case renames, changes the disk as the user might, undoes, and sees every file back
// where it was unless something stood in its way.
// Space-separated words; `meanwhile` holds "from>to" moves on disk and "+name=content" new files.
struct UndoCase {
    const char* name;
    const char* files;
    const char* renames;
    const char* meanwhile;
    const char* afterUndo;
    qint32 undone;
    qint32 leftWhereTheyAre;
};

class UndoCaseTest : public UndoTest, public testing::WithParamInterface<UndoCase> {};

TEST_P(UndoCaseTest, PutsBackEveryFileItCanAndOverwritesNothing) {
    const UndoCase& c = GetParam();
    RunFolder folder(words(c.files));
    RenameList list = listOf(folder, words(c.renames));
    const RunResult renamed = rename(list);
    ASSERT_EQ(renamed.renamed, list.count());
    for (const QString& change : words(c.meanwhile)) {
        if (change.startsWith(u'+')) {
            const QStringList parts = change.mid(1).split(u'=');
            folder.write(parts[0], parts[1].toUtf8());
        } else {
            const QStringList parts = change.split(u'>');
            ASSERT_TRUE(
                QFile::rename(folder.dir.filePath(parts[0]), folder.dir.filePath(parts[1])));
        }
    }

    const RunResult undone = undoLast();
    EXPECT_EQ(undone.kind, RunKind::Undo);
    EXPECT_EQ(undone.renamed, c.undone);
    EXPECT_EQ(undone.problems.size(), c.leftWhereTheyAre);
    EXPECT_EQ(folder.contents(), words(c.afterUndo));
    EXPECT_TRUE(dialogs.requests().isEmpty()) << "an undo never asks";
    EXPECT_FALSE(journal.runToUndo().has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, UndoCaseTest,
    testing::Values(
        UndoCase{"Plain", "a=1 c=3", "a>b c>d", "", "a=1 c=3", 2, 0},
        UndoCase{"Swap", "a=1 b=2", "a>b b>a", "", "a=1 b=2", 2, 0},
        UndoCase{"Cycle", "a=1 b=2 c=3", "a>b b>c c>a", "", "a=1 b=2 c=3", 3, 0},
        UndoCase{"FileMovedAwaySince", "a=1 c=3", "a>b c>d", "b>moved", "c=3 moved=1", 1, 1},
        UndoCase{"OtherFileUnderTheNewNameSince", "a=1 c=3", "a>b c>d", "b>moved +b=other",
                 "b=other c=3 moved=1", 1, 1},
        UndoCase{"OldNameTakenSince", "a=1 c=3", "a>b c>d", "+a=new", "a=new b=1 c=3", 1, 1}),
    CaseName());

TEST_F(UndoTest, TakesBackARunIntoTheOutputFolderToEachFilesOwnFolder) {
    RunFolder folder({u"one/x=1"_s, u"two/y=2"_s, u"out/keep=k"_s});
    RenameList list = listOf(folder, {u"one/x>x1"_s, u"two/y>y1"_s});
    ASSERT_EQ(rename(list, {false, folder.dir.filePath(u"out"_s)}).renamed, 2);
    ASSERT_EQ(folder.contents(), QStringList({u"out/keep=k"_s, u"out/x1=1"_s, u"out/y1=2"_s}));
    EXPECT_EQ(undoLast().renamed, 2);
    EXPECT_EQ(folder.contents(), QStringList({u"one/x=1"_s, u"out/keep=k"_s, u"two/y=2"_s}));
}

TEST_F(UndoTest, GivesBackTheAttributesTheFilesHadBefore) {
    RunFolder folder({u"a=1"_s});
    RenameList list = listOf(folder, {u"a>b"_s});
    RunSettings readOnly;
    readOnly.newAttributesOn = true;
    readOnly.newAttributeValue = Attribute::ReadOnly;
    ASSERT_EQ(rename(list, readOnly).renamed, 1);
    ASSERT_EQ(files.attributes(folder.dir.filePath(u"b"_s)).attributes, Attribute::ReadOnly);
    EXPECT_EQ(undoLast().renamed, 1);
    EXPECT_EQ(files.attributes(folder.dir.filePath(u"a"_s)).attributes, 0);
}

TEST_F(UndoTest, GoesBackRunByRunAcrossRestartsThroughTheLastTwenty) {
    RunFolder folder({u"a=1"_s});
    // Twenty-two runs toggle the name; each journal object is a start of the program.
    for (int run = 0; run < 22; ++run) {
        RunJournal started(journalPath());
        const QString from = run % 2 == 0 ? u"a"_s : u"b"_s;
        RenameList list = listOf(folder, {from + u'>' + (run % 2 == 0 ? u"b"_s : u"a"_s)});
        const std::unique_ptr<RunRecorder> recorder =
            started.recordRun(RunKind::Rename, 0, std::nullopt);
        ASSERT_EQ(RenameRun(list, files, dialogs, {}, {}, recorder.get()).run().renamed, 1);
    }
    ASSERT_EQ(folder.contents(), QStringList{u"a=1"_s});
    const std::optional<JournalRun> last = RunJournal(journalPath()).runToUndo();
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(undoDescription(*last).left(22), u"Undo renaming 1 file o"_s);
    // The two oldest runs are forgotten with their moves; the next is kept whole.
    EXPECT_TRUE(journal.moves(last->id - 21).empty());
    EXPECT_TRUE(journal.moves(last->id - 20).empty());
    EXPECT_EQ(journal.moves(last->id - 19).size(), 1U);
    int undone = 0;
    while (journal.runToUndo()) {
        ASSERT_EQ(undoLast().renamed, 1) << "undo " << undone + 1;
        ++undone;
    }
    EXPECT_EQ(undone, 20);
    // Twenty runs back from "a" after an even count of toggles.
    EXPECT_EQ(folder.contents(), QStringList{u"a=1"_s});
}

TEST_F(UndoTest, AStoppedUndoLeavesTheRunToUndoAndPassesOverWhatIsBack) {
    RunFolder folder({u"a=1"_s, u"c=3"_s});
    RenameList list = listOf(folder, {u"a>b"_s, u"c>d"_s});
    ASSERT_EQ(rename(list).renamed, 2);
    RecordedRunSetup setup = setUpUndo(journal, files, *journal.runToUndo());
    int asked = 0;
    const RunResult stopped = run(setup, {.start = {}, .value = {}, .stopAsked = [&] {
                                              return ++asked > 1;
                                          }});
    ASSERT_TRUE(stopped.stopped);
    ASSERT_EQ(stopped.renamed, 1);
    const RunResult rest = undoLast();
    EXPECT_EQ(rest.renamed, 1);
    EXPECT_TRUE(rest.problems.isEmpty());
    EXPECT_EQ(folder.contents(), QStringList({u"a=1"_s, u"c=3"_s}));
}

TEST_F(UndoTest, ARunThatCannotBeRecordedAsksAndRunsOnlyWhenTheUserSaysSo) {
    RunFolder folder({u"a=1"_s});
    // A folder where the journal should be: no database can be made there.
    ASSERT_TRUE(QDir().mkpath(journalPath()));
    RenameList list = listOf(folder, {u"a>b"_s});
    dialogs.answerMessage(MessageAnswer::No);
    const RunResult refused = rename(list);
    EXPECT_TRUE(refused.stopped);
    EXPECT_EQ(folder.contents(), QStringList{u"a=1"_s});
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].text.endsWith(u"Go on anyway?"_s));
    EXPECT_EQ(dialogs.messages()[0].defaultButton, MessageAnswer::No);

    dialogs.answerMessage(MessageAnswer::Yes);
    EXPECT_EQ(rename(list).renamed, 1);
    EXPECT_EQ(folder.contents(), QStringList{u"b=1"_s});
}

// --- the record of the plan

TEST_F(UndoTest, EveryRowOfALongPlanIsOnRecordOnceTheRunAsksForIt) {
    const qint32 rows = RunJournal::RowsRecordedFirst + 2 * RunJournal::LargestRecordedPart + 7;
    std::vector<PlannedMove> moves(static_cast<std::size_t>(rows));
    std::vector<QString> finalPaths;
    for (qint32 row = 0; row < rows; ++row) {
        PlannedMove& move = moves[static_cast<std::size_t>(row)];
        move.source = u"/f/a"_s + QString::number(row);
        move.temporary = u"/f/ren"_s + QString::number(row) + u".tmp"_s;
        move.target = u"/f/b"_s + QString::number(row);
        finalPaths.push_back(move.target);
    }
    const std::unique_ptr<RunRecorder> recorder =
        journal.recordRun(RunKind::Rename, 0, std::nullopt);
    ASSERT_TRUE(recorder->starting({u"/f"_s}).ok());
    ASSERT_TRUE(recorder->planned(moves).ok());
    const auto onRecord = [&] {
        RunJournal reader(journalPath());
        const std::optional<JournalRun> open = reader.openRun();
        return open ? reader.moves(open->id) : std::vector<JournalMove>();
    };
    for (const qint32 row : {RunJournal::RowsRecordedFirst, rows - 1}) {
        ASSERT_TRUE(recorder->recorded(row).ok());
        EXPECT_GT(onRecord().size(), static_cast<std::size_t>(row));
    }
    const std::vector<JournalMove> recorded = onRecord();
    ASSERT_EQ(recorded.size(), static_cast<std::size_t>(rows));
    for (qint32 row = 0; row < rows; ++row) {
        const JournalMove& move = recorded[static_cast<std::size_t>(row)];
        ASSERT_EQ(move.row, row);
        ASSERT_EQ(move.source, moves[static_cast<std::size_t>(row)].source);
        ASSERT_EQ(move.target, moves[static_cast<std::size_t>(row)].target);
    }
    RunResult result;
    result.total = rows;
    ASSERT_TRUE(recorder->ended(result, finalPaths).ok());
    const std::optional<JournalRun> done = journal.runToUndo();
    ASSERT_TRUE(done.has_value());
    EXPECT_EQ(done->renamed, rows);
}

// Long enough for the plan to be made on every core and recorded in several parts.
TEST_F(UndoTest, ALongRunRecordsEachFileAsItWasFoundWithATemporaryNameOfItsOwn) {
    constexpr qint32 Files = 33'000;
    QStringList names;
    QStringList renames;
    for (qint32 i = 0; i < Files; ++i) {
        names << u"f%1=x"_s.arg(i);
        renames << u"f%1>g%1"_s.arg(i);
    }
    RunFolder folder(names);
    std::vector<quint64> inodes(Files);
    for (qint32 i = 0; i < Files; ++i)
        inodes[static_cast<std::size_t>(i)] =
            files.identity(folder.dir.filePath(u"f%1"_s.arg(i)))->inode;
    RenameList list = listOf(folder, renames);
    ASSERT_EQ(rename(list).renamed, Files);

    const std::optional<JournalRun> done = journal.runToUndo();
    ASSERT_TRUE(done.has_value());
    const std::vector<JournalMove> recorded = journal.moves(done->id);
    ASSERT_EQ(recorded.size(), static_cast<std::size_t>(Files));
    QSet<QString> temporaries;
    for (qint32 i = 0; i < Files; ++i) {
        const JournalMove& move = recorded[static_cast<std::size_t>(i)];
        ASSERT_EQ(move.source, folder.dir.filePath(u"f%1"_s.arg(i)));
        ASSERT_EQ(move.target, folder.dir.filePath(u"g%1"_s.arg(i)));
        ASSERT_TRUE(move.identity.has_value()) << i;
        ASSERT_EQ(move.identity->inode, inodes[static_cast<std::size_t>(i)]) << i;
        ASSERT_EQ(folderOf(move.temporary), folder.path());
        ASSERT_TRUE(fileNameOf(move.temporary).startsWith(u"ren"_s));
        temporaries.insert(move.temporary);
    }
    EXPECT_EQ(temporaries.size(), Files);
}

// --- recovery

// Where a crash can leave the files of one run, and each way out of it.
struct CrashCase {
    const char* name;
    RunKind way;
};

class CrashSweepTest : public JournalFixture, public testing::WithParamInterface<CrashCase> {
protected:
    const QStringList files_{u"a=A"_s, u"b=B"_s, u"c1=C1"_s, u"c2=C2"_s, u"x=X"_s};
    const QStringList renames{u"a>b"_s, u"b>a"_s, u"c1>c2"_s, u"c2>c3"_s, u"x>y"_s};
};

// Every content once, under its old name or its new one, and nothing under a temporary name.
void expectEveryFileUnderOneOfItsNames(const RunFolder& folder, const QStringList& renames,
                                       const QStringList& originals, bool allNew) {
    QHash<QString, QStringList> names; // content -> old and new name
    for (const QString& original : originals) {
        const QStringList parts = original.split(u'=');
        names[parts[1]].append(parts[0]);
        for (const QString& rename : renames) {
            if (rename.startsWith(parts[0] + u'>'))
                names[parts[1]].append(rename.section(u'>', 1));
        }
    }
    const QStringList found = folder.contents();
    ASSERT_EQ(found.size(), originals.size()) << found.join(u' ').toStdString();
    QSet<QString> seen;
    for (const QString& file : found) {
        const QString name = file.section(u'=', 0, 0);
        const QString content = file.section(u'=', 1);
        EXPECT_FALSE(seen.contains(content)) << qPrintable(file);
        seen.insert(content);
        EXPECT_TRUE(names.value(content).contains(name)) << qPrintable(file);
        if (allNew) {
            EXPECT_EQ(names.value(content).last(), name) << qPrintable(file);
        }
    }
}

TEST_P(CrashSweepTest, AfterACrashAtAnyStepEveryFileEndsUnderItsOldOrNewName) {
    int changes = 0;
    {
        RunFolder clean(files_);
        RenameList list = listOf(clean, renames);
        CrashingFileSystem counting(files, 0);
        ASSERT_EQ(rename(list, {}, &counting).renamed, renames.size());
        changes = counting.changes();
    }
    for (int crashAt = 1; crashAt <= changes; ++crashAt) {
        SCOPED_TRACE(crashAt);
        QTemporaryDir runState;
        RunJournal crashed(runState.filePath(u"journal.sqlite3"_s));
        RunFolder folder(files_);
        RenameList list = listOf(folder, renames);
        CrashingFileSystem crashing(files, crashAt);
        {
            const std::unique_ptr<RunRecorder> recorder =
                crashed.recordRun(RunKind::Rename, 0, std::nullopt);
            EXPECT_THROW(RenameRun(list, crashing, dialogs, {}, {}, recorder.get()).run(), Crash);
        }
        std::optional<RunRecovery> recovery = RunRecovery::find(crashed, files);
        ASSERT_TRUE(recovery.has_value()) << "the run is on record from its start";
        if (recovery->stranded() == 0) {
            EXPECT_TRUE(recovery->close().ok());
        } else {
            EXPECT_TRUE(recovery->blocked().isEmpty());
            RecordedRunSetup setup = recovery->setUp(GetParam().way);
            EXPECT_TRUE(run(setup).problems.isEmpty());
        }
        EXPECT_FALSE(crashed.openRun().has_value());
        expectEveryFileUnderOneOfItsNames(
            folder, renames, files_, GetParam().way == RunKind::Finish && recovery->stranded() > 0);
    }
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Ways, CrashSweepTest,
                         testing::Values(CrashCase{"Finish", RunKind::Finish},
                                         CrashCase{"PutBack", RunKind::PutBack}),
                         CaseName());

class RecoveryTest : public JournalFixture {
protected:
    // A run of `renames` that crashes at its `crashAt`th change.
    void crash(const RunFolder& folder, const QStringList& renames, int crashAt) {
        RenameList list = listOf(folder, renames);
        CrashingFileSystem crashing(files, crashAt);
        const std::unique_ptr<RunRecorder> recorder =
            journal.recordRun(RunKind::Rename, 0, std::nullopt);
        EXPECT_THROW(RenameRun(list, crashing, dialogs, {}, {}, recorder.get()).run(), Crash);
    }
};

// The first file to its temporary name is the first change; the crash comes at the next.
constexpr int FirstFileParked = 2;

TEST_F(RecoveryTest, AFileWhoseOldNameIsTakenNowStaysUnderItsTemporaryNameAndIsNamed) {
    RunFolder folder({u"a=A"_s, u"c=C"_s});
    crash(folder, {u"a>b"_s, u"c>d"_s}, FirstFileParked);
    folder.write(u"a"_s, "new");

    std::optional<RunRecovery> recovery = RunRecovery::find(journal, files);
    ASSERT_TRUE(recovery.has_value());
    EXPECT_EQ(recovery->stranded(), 1);
    const QStringList blocked = recovery->blocked();
    ASSERT_EQ(blocked.size(), 1);
    EXPECT_TRUE(blocked[0].contains(folder.dir.filePath(u"a"_s)));
    EXPECT_TRUE(blocked[0].contains(u"/ren"_s));

    RecordedRunSetup setup = recovery->setUp(RunKind::PutBack);
    const RunResult result = run(setup);
    EXPECT_EQ(result.renamed, 0);
    ASSERT_EQ(result.problems.size(), 1);
    const QStringList after = folder.contents();
    ASSERT_EQ(after.size(), 3);
    EXPECT_EQ(after[0], u"a=new"_s);
    EXPECT_EQ(after[1], u"c=C"_s);
    EXPECT_TRUE(after[2].startsWith(u"ren"_s) && after[2].endsWith(u".tmp=A"_s));
    EXPECT_EQ(setup.list.filename(0), fileNameOf(after[2].section(u'=', 0, 0)));
}

TEST_F(RecoveryTest, FinishingAsksAboutAFileThatCameInTheWayAndTheRunEndsUndoable) {
    RunFolder folder({u"a=A"_s, u"c=C"_s});
    crash(folder, {u"a>b"_s, u"c>d"_s}, FirstFileParked);
    folder.write(u"b"_s, "outside");

    std::optional<RunRecovery> recovery = RunRecovery::find(journal, files);
    ASSERT_TRUE(recovery.has_value());
    dialogs.answerMessage(MessageAnswer::No);
    RecordedRunSetup setup = recovery->setUp(RunKind::Finish);
    const RunResult result = run(setup);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text,
              u"'"_s + folder.dir.filePath(u"b"_s) + u"' already exists. Overwrite?"_s);
    EXPECT_EQ(result.renamed, 1);
    EXPECT_EQ(folder.contents(), QStringList({u"a=A"_s, u"b=outside"_s, u"d=C"_s}));

    EXPECT_FALSE(journal.openRun().has_value());
    EXPECT_EQ(undoLast().renamed, 1);
    EXPECT_EQ(folder.contents(), QStringList({u"a=A"_s, u"b=outside"_s, u"c=C"_s}));
}

TEST_F(RecoveryTest, AFileTheRunFoundOnlyAfterAskingIsFoundUnderItsTemporaryName) {
    RunFolder folder({});
    // Missing when the plan is read, back when the user answers No to "Skip this file?".
    dialogs.whenAsked([&](const MessageRequest&) { folder.write(u"a"_s, "A"); });
    dialogs.answerMessage(MessageAnswer::No);
    // The move that finds nothing, the move again, then the crash.
    crash(folder, {u"a>b"_s}, 3);
    std::optional<RunRecovery> recovery = RunRecovery::find(journal, files);
    ASSERT_TRUE(recovery.has_value());
    EXPECT_EQ(recovery->stranded(), 1);
    RecordedRunSetup setup = recovery->setUp(RunKind::PutBack);
    EXPECT_EQ(run(setup).renamed, 1);
    EXPECT_EQ(folder.contents(), QStringList{u"a=A"_s});
}

TEST_F(RecoveryTest, ARecoveryStoppedWithAFileUnderATemporaryNameIsOfferedAgain) {
    RunFolder folder({u"a=A"_s, u"c=C"_s});
    crash(folder, {u"a>b"_s, u"c>d"_s}, FirstFileParked);
    RecordedRunSetup setup = RunRecovery::find(journal, files)->setUp(RunKind::Finish);
    const RunResult stopped = run(setup, {.start = {}, .value = {}, .stopAsked = [] {
                                              return true;
                                          }});
    ASSERT_TRUE(stopped.stopped);
    std::optional<RunRecovery> again = RunRecovery::find(journal, files);
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->stranded(), 1);
}

TEST_F(RecoveryTest, ASecondNameALinkLeftOnTheWayIsDroppedAndTheFileGoesBack) {
    RunFolder folder({u"a=A"_s, u"c=C"_s});
    crash(folder, {u"a>b"_s, u"c>d"_s}, FirstFileParked);
    // Where renames are made as a link and an unlink, a kill between them leaves both names.
    const QString temporary = QDir(folder.path()).entryList({u"ren*.tmp"_s}, QDir::Files).value(0);
    ASSERT_FALSE(temporary.isEmpty());
    ASSERT_EQ(::link(QFile::encodeName(folder.dir.filePath(temporary)).constData(),
                     QFile::encodeName(folder.dir.filePath(u"a"_s)).constData()),
              0);
    std::optional<RunRecovery> recovery = RunRecovery::find(journal, files);
    ASSERT_TRUE(recovery.has_value());
    EXPECT_TRUE(recovery->blocked().isEmpty());
    RecordedRunSetup setup = recovery->setUp(RunKind::PutBack);
    EXPECT_EQ(run(setup).renamed, 1);
    EXPECT_EQ(folder.contents(), QStringList({u"a=A"_s, u"c=C"_s}));
}

TEST_F(RecoveryTest, AnUndoCutShortLeavesItsRunToUndo) {
    RunFolder folder({u"a=A"_s, u"c=C"_s});
    RenameList list = listOf(folder, {u"a>b"_s, u"c>d"_s});
    ASSERT_EQ(rename(list).renamed, 2);
    RecordedRunSetup undo = setUpUndo(journal, files, *journal.runToUndo());
    // The first file back (two changes), then the crash.
    CrashingFileSystem crashing(files, 3);
    EXPECT_THROW(
        RenameRun(undo.list, crashing, dialogs, undo.settings, {}, undo.recorder.get()).run(),
        Crash);
    std::optional<RunRecovery> recovery = RunRecovery::find(journal, files);
    ASSERT_TRUE(recovery.has_value());
    ASSERT_EQ(recovery->stranded(), 0);
    EXPECT_TRUE(recovery->close().ok());
    ASSERT_TRUE(journal.runToUndo().has_value());
    EXPECT_EQ(undoLast().renamed, 1);
    EXPECT_EQ(folder.contents(), QStringList({u"a=A"_s, u"c=C"_s}));
}

TEST_F(RecoveryTest, APartialCopyToAnotherFileSystemIsRemovedWhileItsSourceIsWhole) {
    QTemporaryDir other(u"/dev/shm/quillane-XXXXXX"_s);
    RunFolder folder({u"a=A"_s});
    if (!other.isValid() ||
        files.identity(other.path())->device == files.identity(folder.path())->device)
        GTEST_SKIP() << "no second file system here";
    RenameList list = listOf(folder, {u"a>b"_s});
    CrashingCopies crashing(files);
    EXPECT_THROW(rename(list, {false, other.path()}, &crashing), Crash);
    ASSERT_EQ(QDir(other.path()).entryList(QDir::Files).size(), 1) << "the copy's own name";

    std::optional<RunRecovery> recovery = RunRecovery::find(journal, files);
    ASSERT_TRUE(recovery.has_value());
    ASSERT_EQ(recovery->stranded(), 1);
    RecordedRunSetup setup = recovery->setUp(RunKind::PutBack);
    EXPECT_TRUE(QDir(other.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(run(setup).renamed, 1);
    EXPECT_EQ(folder.contents(), QStringList{u"a=A"_s});
}

} // namespace
} // namespace quillane
