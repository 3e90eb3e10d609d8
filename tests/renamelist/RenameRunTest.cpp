#include "renamelist/RenameRun.h"

#include "platform/PathText.h"
#include "platform/PosixFileSystem.h"
#include "tests/CaseName.h"
#include "tests/renamelist/FailingFileSystem.h"
#include "tests/renamelist/RunFolder.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

// "a>b" rows for a run of numbered names: from `first` to `last`, each to the next or the
// previous number.
QStringList shift(int first, int last, int by) {
    QStringList renames;
    const auto name = [](int number) {
        return u"file%1"_s.arg(number, 2, 10, QChar(u'0'));
    };
    for (int n = first; n <= last; ++n)
        renames.append(name(n) + u'>' + name(n + by));
    return renames;
}

// Space-separated words: "name=content" files, "old>new" rows, and the questions asked, "x?"
// whether to overwrite x and "x!" whether to skip the missing x.
struct RunCase {
    const char* name;
    const char* files;
    const char* renames;
    const char* answers; // Yes, No, YesToAll, NoToAll
    const char* after;
    const char* questions;
    const char* customDir; // below the folder; empty: where each file is
};

// A failing case names itself rather than dumping its bytes.
void PrintTo(const RunCase& c, std::ostream* out) {
    *out << c.name;
}

MessageAnswer answerNamed(const QString& name) {
    if (name == u"Yes"_s)
        return MessageAnswer::Yes;
    if (name == u"No"_s)
        return MessageAnswer::No;
    if (name == u"YesToAll"_s)
        return MessageAnswer::YesToAll;
    EXPECT_EQ(name, u"NoToAll"_s);
    return MessageAnswer::NoToAll;
}

class RenameRunTest : public testing::TestWithParam<RunCase> {};

TEST_P(RenameRunTest, LeavesEveryFileWhereTheAnswersSay) {
    const RunCase& c = GetParam();
    RunFolder folder(words(c.files));
    RenameList list = listOf(folder, words(c.renames));
    ScriptedDialogs dialogs;
    for (const QString& answer : words(c.answers))
        dialogs.answerMessage(answerNamed(answer));
    PosixFileSystem files;
    RunSettings settings;
    if (*c.customDir != '\0') {
        settings.outputWhereFileIs = false;
        settings.customOutputDir = folder.dir.filePath(QString::fromUtf8(c.customDir));
        QDir(folder.path()).mkpath(QString::fromUtf8(c.customDir));
    }
    QList<bool> existed;
    for (qint32 row = 0; row < list.count(); ++row)
        existed.append(QFile::exists(list.pathOf(row)));
    RenameRun(list, files, dialogs, settings, {}).run();

    EXPECT_EQ(folder.contents(), words(c.after));
    QStringList expected;
    for (const QString& question : words(c.questions)) {
        const QString path = folder.dir.filePath(question.chopped(1));
        expected.append(question.endsWith(u'?')
                            ? u"'"_s + path + u"' already exists. Overwrite?"_s
                            : u"'"_s + path + u"' cannot be found!\r\nSkip this file?"_s);
    }
    QStringList asked;
    for (const MessageRequest& box : dialogs.messages())
        asked.append(box.text);
    EXPECT_EQ(asked, expected);
    EXPECT_TRUE(dialogs.allAnswered());
    // Every row whose file was there names it where it lies now.
    for (qint32 row = 0; row < list.count(); ++row)
        EXPECT_TRUE(!existed[row] || QFile::exists(list.pathOf(row)))
            << list.pathOf(row).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RenameRunTest,
    testing::Values(
        RunCase{"SameNames", "a=1", "a>a", "", "a=1", "", ""},
        RunCase{"CaseOnly", "a.txt=1", "a.txt>A.txt", "", "A.txt=1", "", ""},
        RunCase{"Renames", "a=1 b=2", "a>x b>y", "", "x=1 y=2", "", ""},
        RunCase{"Swap", "a=1 b=2", "a>b b>a", "", "a=2 b=1", "", ""},
        RunCase{"ThreeCycle", "a=1 b=2 c=3", "a>b b>c c>a", "", "a=3 b=1 c=2", "", ""},
        RunCase{"CycleBesideOtherRenames", "a=1 b=2 c=3 d=4", "d>x c>a a>b b>c", "",
                "a=3 b=1 c=2 x=4", "", ""},
        RunCase{"CycleInTheCustomFolder", "out/a=1 out/b=2 c=3", "out/a>b out/b>a c>c", "",
                "out/a=2 out/b=1 out/c=3", "", "out"},
        RunCase{"ShiftIntoTheCustomFolder", "x=1 out/y=2", "x>y out/y>z", "", "out/y=1 out/z=2", "",
                "out"},
        RunCase{"DuplicateOverwritten", "a=1 b=2", "a>x b>x", "Yes", "x=2", "x?", ""},
        RunCase{"DuplicateKept", "a=1 b=2", "a>x b>x", "No", "b=2 x=1", "x?", ""},
        RunCase{"OutsideFilesOverwrittenOneByOne", "a=1 b=2 x=old y=old", "a>x b>y", "Yes Yes",
                "x=1 y=2", "x? y?", ""},
        RunCase{"OutsideFilesKeptOneByOne", "a=1 b=2 x=old y=old", "a>x b>y", "No No",
                "a=1 b=2 x=old y=old", "x? y?", ""},
        RunCase{"OutsideFilesAllOverwritten", "a=1 b=2 x=old y=old", "a>x b>y", "YesToAll",
                "x=1 y=2", "x?", ""},
        RunCase{"OutsideFilesAllKept", "a=1 b=2 x=old y=old", "a>x b>y", "NoToAll",
                "a=1 b=2 x=old y=old", "x?", ""},
        RunCase{"SwapBlockedByAnOutsideFileAsksOnlyAboutIt", "a=1 b=2 c=3", "a>b b>c", "No",
                "a=1 b=2 c=3", "c?", ""},
        RunCase{"NamesThatNameNoFile", "a=1 b=2 c=3 d=4", "a> b>.. c>sub/x d>ok", "",
                "a=1 b=2 c=3 ok=4", "", ""},
        // The run never moves or overwrites a file it put under a name itself, nor a listed
        // file that stays.
        RunCase{"MissingRowWhoseNameTheRunFilled", "b=2", "b>a a>x", "", "a=2", "", ""},
        RunCase{"MissingRowBetweenTwoRenames", "f=1 g=2", "f>a a>g g>h", "", "a=1 h=2", "", ""},
        RunCase{"ListedFileThatStaysIsNotOverwritten", "g=1 d=2 c=3", "g>n c>d d>n", "No",
                "c=3 d=2 n=1", "n?", ""},
        RunCase{"OldNameGivenBackInTheCustomFolderIsNotOverwritten", "a=1 c=3 out/x=old", "a>x c>a",
                "No", "c=3 out/a=1 out/x=old", "out/x?", "out"},
        RunCase{"OldNameGivenBackInTheCustomFolderIsNotMoved", "b=2 out/x=old", "b>x out/b>y", "No",
                "out/b=2 out/x=old", "out/x?", "out"},
        RunCase{"LaterDuplicateDoesNotOverwriteAListedFile", "a=1 b=2 c=3", "a>c b>c c>c", "",
                "a=1 b=2 c=3", "", ""},
        RunCase{"ThreeWantingOneNameAreAllAsked", "a=1 b=2 c=3", "a>n b>n c>n", "YesToAll", "n=3",
                "n?", ""},
        RunCase{"OutputFolderWrittenWithADot", "b=2 out/x=old", "b>x out/b>y", "No",
                "out/b=2 out/x=old", "out/x?", "out/."},
        RunCase{"FileListedTwice", "a=1 b=2", "a>b b>a a>c", "", "a=2 b=1", "", ""},
        RunCase{"OutputFolderWrittenWithASeparator", "a=1 out/b=2", "a>b out/b>c", "",
                "out/b=1 out/c=2", "", "out/"},
        RunCase{"MissingFileSkipped", "a=1", "gone>x a>y", "Yes", "y=1", "x!", ""},
        RunCase{"MissingFilesAllSkipped", "a=1", "gone>x lost>z a>y", "YesToAll", "y=1", "x!", ""},
        RunCase{"MissingFilesRetriedOnceThenAskedAgain", "a=1", "gone>x lost>z", "NoToAll Yes Yes",
                "a=1", "x! x! z!", ""},
        RunCase{"IntoTheCustomFolder", "a=1", "a>a", "", "out/a=1", "", "out"},
        RunCase{"RefusedInTheCustomFolder", "a=1 out/x=old", "a>x", "No", "out/a=1 out/x=old",
                "out/x?", "out"}),
    CaseName());

QString toldOf(const ScriptedDialogs& dialogs, const RunResult& result) {
    QString told;
    for (const MessageRequest& box : dialogs.messages())
        told += box.text;
    for (const RunProblem& problem : result.problems)
        told += problem.path + u": "_s + problem.why;
    return told;
}

// A missing file put back while its question is open does not overwrite the listed file that
// holds its new name.
TEST(RenameRunTest, AMissingFileBackAtItsQuestionLeavesAListedFileAlone) {
    RunFolder folder({u"d=1"_s});
    RenameList list = listOf(folder, {u"a>d"_s, u"d>d"_s});
    ScriptedDialogs dialogs;
    dialogs.answerMessage(MessageAnswer::No);
    dialogs.whenAsked([&](const MessageRequest&) { folder.write(u"a"_s, "2"); });
    PosixFileSystem files;
    const RunResult result = RenameRun(list, files, dialogs, {}, {}).run();

    EXPECT_EQ(folder.contents(), (QStringList{u"a=2"_s, u"d=1"_s}));
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(result.problems.size(), 1);
}

TEST(RenameRunTest, ShiftsOfFiftyFilesCompleteInEitherDirectionAndListOrder) {
    struct Shift {
        int first, last, by;
        bool reversed;
    };
    for (const Shift& each : {Shift{1, 50, 1, false}, Shift{1, 50, 1, true},
                              Shift{2, 51, -1, false}, Shift{2, 51, -1, true}}) {
        QStringList files;
        QStringList after;
        for (int n = each.first; n <= each.last; ++n) {
            files.append(u"file%1=%2"_s.arg(n, 2, 10, QChar(u'0')).arg(n));
            after.append(u"file%1=%2"_s.arg(n + each.by, 2, 10, QChar(u'0')).arg(n));
        }
        after.sort();
        QStringList renames = shift(each.first, each.last, each.by);
        if (each.reversed)
            std::reverse(renames.begin(), renames.end());
        RunFolder folder(files);
        RenameList list = listOf(folder, renames);
        ScriptedDialogs dialogs;
        PosixFileSystem real;
        const RunResult result = RenameRun(list, real, dialogs, {}, {}).run();

        EXPECT_EQ(folder.contents(), after) << each.by << each.reversed;
        EXPECT_TRUE(dialogs.messages().isEmpty());
        EXPECT_EQ(result.renamed, 50);
        for (qint32 row = 0; row < list.count(); ++row)
            EXPECT_EQ(list.filename(row), list.cell(row, ListColumn::Renout));
    }
}

TEST(RenameRunTest, StopEndsTheRunAfterTheEntryInHand) {
    for (const int stopDuring : {1, 3, 5}) {
        RunFolder folder({u"a=1"_s, u"b=2"_s, u"c=3"_s, u"d=4"_s, u"e=5"_s});
        RenameList list = listOf(folder, {u"a>v"_s, u"b>w"_s, u"c>x"_s, u"d>y"_s, u"e>z"_s});
        ScriptedDialogs dialogs;
        PosixFileSystem files;
        int finished = 0;
        RunProgress progress{.start = {},
                             .value = [&](qint32) { ++finished; },
                             .stopAsked =
                                 [&] {
                                     return finished >= stopDuring;
                                 }};
        const RunResult result = RenameRun(list, files, dialogs, {}, progress).run();

        EXPECT_EQ(result.renamed, stopDuring);
        EXPECT_EQ(result.stopped, stopDuring < 5);
        QStringList expected;
        for (qint32 row = 0; row < list.count(); ++row) {
            const bool renamed = row < stopDuring;
            EXPECT_EQ(list.filename(row),
                      renamed ? list.cell(row, ListColumn::Renout) : u"abcde"_s.mid(row, 1));
            expected.append(list.cell(row, ListColumn::Filename) + u'=' + QString::number(row + 1));
        }
        expected.sort();
        EXPECT_EQ(folder.contents(), expected);
    }
}

TEST(RenameRunFaultTest, OtherFailuresPutTheFileBackAndEndTheRun) {
    RunFolder folder({u"a=1"_s, u"b=2"_s});
    RenameList list = listOf(folder, {u"a>x"_s, u"b>y"_s});
    ScriptedDialogs dialogs;
    PosixFileSystem real;
    // The second call is the move from the temporary name to the new one: the attributes are
    // neither read nor written, as nothing changes them.
    FailingFileSystem failing(real, 2);
    const RunResult result = RenameRun(list, failing, dialogs, {}, {}).run();

    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.endedAtRow, 0);
    EXPECT_EQ(folder.contents(), (QStringList{u"a=1"_s, u"b=2"_s}));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    ASSERT_EQ(result.problems.size(), 1);
    EXPECT_EQ(result.problems[0].path, folder.dir.filePath(u"a"_s));
    const QString why = result.problems[0].why;
    EXPECT_TRUE(why.contains(u"Input/output error"_s)) << why.toStdString();
    EXPECT_TRUE(why.contains(u"The file is now '"_s + folder.dir.filePath(u"a"_s) + u"'"_s));
    EXPECT_EQ(list.filename(0), u"a"_s);
    EXPECT_EQ(runSummary(result), u"Renamed 0 of 2 files; ended by an error, 2 not reached"_s);
}

// A missing output folder and a refusing file system are told once, at the end, for every
// file; the run goes on.
TEST(RenameRunFaultTest, FailuresFilesShareAreCollectedAndTheRunGoesOn) {
    {
        RunFolder folder({u"a=1"_s, u"b=2"_s});
        RenameList list = listOf(folder, {u"a>x"_s, u"b>y"_s});
        ScriptedDialogs dialogs;
        PosixFileSystem files;
        const RunResult result = RenameRun(list, files, dialogs,
                                           {false, folder.dir.filePath(u"missing"_s), false, 0}, {})
                                     .run();
        EXPECT_TRUE(result.completed);
        EXPECT_EQ(folder.contents(), (QStringList{u"a=1"_s, u"b=2"_s}));
        EXPECT_TRUE(dialogs.messages().isEmpty());
        ASSERT_EQ(result.problems.size(), 2);
        EXPECT_TRUE(result.problems[1].why.contains(u"No such file or directory"_s));
        EXPECT_EQ(runSummary(result), u"Renamed 0 of 2 files; 2 skipped"_s);
    }
    {
        RunFolder folder({u"a=1"_s, u"b=2"_s, u"c=3"_s});
        RenameList list = listOf(folder, {u"a>x"_s, u"b>y"_s, u"c>z"_s});
        ScriptedDialogs dialogs;
        PosixFileSystem real;
        FailingFileSystem refusing(real, 1, FileOutcome::Failed, FailureCause::NoPermission, true);
        const RunResult result = RenameRun(list, refusing, dialogs, {}, {}).run();
        EXPECT_TRUE(result.completed);
        EXPECT_EQ(folder.contents(), (QStringList{u"a=1"_s, u"b=2"_s, u"c=3"_s}));
        EXPECT_TRUE(dialogs.messages().isEmpty());
        EXPECT_EQ(result.problems.size(), 3);
    }
}

// A failure inside a cycle, with one of its files parked: that file goes back under its old name
// or is told under its temporary one, and the failure that ended the run is the report's last.
TEST(RenameRunFaultTest, AFailureInACycleEndsTheRunWithTheParkedFileTold) {
    const QStringList renames{u"h>c"_s, u"c>g"_s, u"g>d"_s, u"d>h"_s};
    PosixFileSystem real;
    for (int failAt = 1; failAt <= 24; ++failAt) {
        RunFolder folder({u"c=1"_s, u"d=2"_s, u"g=3"_s, u"h=4"_s});
        RenameList list = listOf(folder, renames);
        ScriptedDialogs dialogs;
        FailingFileSystem failing(real, failAt);
        const RunResult result = RenameRun(list, failing, dialogs, {}, {}).run();
        if (result.completed)
            continue;
        ASSERT_FALSE(result.problems.isEmpty());
        EXPECT_TRUE(result.problems.back().why.endsWith(u"The rename run stopped here."_s))
            << failAt;
        for (const RunProblem& told : result.problems)
            EXPECT_FALSE(told.why.startsWith(u"'ren"_s)) << failAt << told.why.toStdString();
        EXPECT_EQ(folder.contents().size(), 4) << failAt;
        EXPECT_LE(result.renamed + result.skipped, result.total);
    }
}

TEST(RenameRunFaultTest, OldNameTakenInTheCustomFolderIsToldWithTheTemporaryName) {
    RunFolder folder({u"a=1"_s, u"out/x="_s, u"out/a="_s});
    RenameList list = listOf(folder, {u"a>x"_s});
    ScriptedDialogs dialogs;
    dialogs.answerMessage(MessageAnswer::No);
    PosixFileSystem files;
    const RunResult result =
        RenameRun(list, files, dialogs, {false, folder.dir.filePath(u"out"_s), false, 0}, {}).run();

    const QString temporary = list.pathOf(0);
    EXPECT_TRUE(list.filename(0).startsWith(u"ren"_s));
    EXPECT_TRUE(QFile::exists(temporary));
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(toldOf(dialogs, result).contains(temporary));
}

// Makes each file operation of a run in turn fail, or report a taken name or a missing file that
// are not so: afterwards every file is under its old name, its new name, or a name a message
// gave, with its contents, and every row names a file that is there. With new attributes, their
// reads and writes fail in turn too.
TEST(RenameRunFaultTest, NoFailureLosesAFile) {
    const QStringList files{u"a=1"_s, u"b=2"_s, u"c=3"_s, u"d=4"_s, u"e=5"_s};
    const QStringList renames{u"a>x"_s, u"b>b"_s, u"c>z"_s, u"d>e"_s, u"e>d"_s};
    const QStringList expectedNames{u"a"_s, u"x"_s, u"b"_s, u"c"_s, u"z"_s, u"d"_s, u"e"_s};
    PosixFileSystem real;
    for (const RunSettings& settings :
         {RunSettings{}, RunSettings{true, QString(), true, Attribute::Archive}}) {
        int callsOfAWholeRun = 0;
        {
            RunFolder folder(files);
            RenameList list = listOf(folder, renames);
            ScriptedDialogs dialogs;
            FailingFileSystem counting(real, 0);
            RenameRun(list, counting, dialogs, settings, {}).run();
            callsOfAWholeRun = counting.calls();
        }
        // Two moves for each file, and with new attributes a read and a write too.
        ASSERT_EQ(callsOfAWholeRun, settings.newAttributesOn ? 20 : 10);
        for (const FileOutcome outcome :
             {FileOutcome::Failed, FileOutcome::TargetExists, FileOutcome::SourceMissing}) {
            for (int failAt = 1; failAt <= callsOfAWholeRun; ++failAt) {
                const std::string context = "outcome " + std::to_string(static_cast<int>(outcome)) +
                                            ", call " + std::to_string(failAt) +
                                            (settings.newAttributesOn ? ", new attributes" : "");
                RunFolder folder(files);
                RenameList list = listOf(folder, renames);
                ScriptedDialogs dialogs;
                for (int i = 0; i < 6; ++i)
                    dialogs.answerMessage(MessageAnswer::Yes);
                FailingFileSystem failing(real, failAt, outcome);
                const RunResult result = RenameRun(list, failing, dialogs, settings, {}).run();

                const QString told = toldOf(dialogs, result);
                const QStringList after = folder.contents();
                for (const QString& content : {u"=1"_s, u"=2"_s, u"=3"_s, u"=4"_s, u"=5"_s}) {
                    QStringList holders;
                    for (const QString& file : after) {
                        if (file.endsWith(content))
                            holders.append(file.chopped(content.size()));
                    }
                    ASSERT_EQ(holders.size(), 1)
                        << context << " " << after.join(u' ').toStdString();
                    const QString name = holders.front();
                    EXPECT_TRUE(expectedNames.contains(name) ||
                                told.contains(folder.dir.filePath(name)))
                        << context << ": " << name.toStdString() << " untold";
                }
                // Nor is anything else left behind without a word, empty files included.
                for (const QString& file : after) {
                    const QString name = file.section(u'=', 0, 0);
                    EXPECT_TRUE(expectedNames.contains(name) ||
                                told.contains(folder.dir.filePath(name)))
                        << context << ": stray " << name.toStdString() << " untold";
                }
                for (qint32 row = 0; row < list.count(); ++row) {
                    EXPECT_TRUE(QFile::exists(list.pathOf(row)))
                        << context << ": row " << row << " names "
                        << list.pathOf(row).toStdString();
                }
            }
        }
    }
}

TEST(RenameRunTest, LinksAreRenamedAsLinks) {
    RunFolder folder({u"real=1"_s, u"b=2"_s});
    ASSERT_TRUE(QFile::link(folder.dir.filePath(u"real"_s), folder.dir.filePath(u"link"_s)));
    RenameList list = listOf(folder, {u"link>renamed"_s, u"b>y"_s});
    ScriptedDialogs dialogs;
    PosixFileSystem files;
    EXPECT_TRUE(RenameRun(list, files, dialogs, {}, {}).run().completed);
    EXPECT_EQ(QFileInfo(folder.dir.filePath(u"renamed"_s)).symLinkTarget(),
              folder.dir.filePath(u"real"_s));
    EXPECT_TRUE(QFile::exists(folder.dir.filePath(u"y"_s)));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST(RenameRunTest, LeavesNoFolderOpenThatWouldKeepADiskFromUnmounting) {
    RunFolder folder({u"a=1"_s, u"sub/b=2"_s});
    RenameList list = listOf(folder, {u"a>x"_s, u"sub/b>y"_s});
    ScriptedDialogs dialogs;
    PosixFileSystem files;
    const auto open = [] {
        return QDir(u"/proc/self/fd"_s).entryList(QDir::AllEntries | QDir::System).size();
    };
    const qsizetype before = open();
    EXPECT_TRUE(RenameRun(list, files, dialogs, {}, {}).run().completed);
    EXPECT_EQ(open(), before);
    EXPECT_EQ(folder.contents(), QStringList({u"sub/y=2"_s, u"x=1"_s}));
}

// Counts the attribute reads and writes; before the first move to a temporary name, another program
// takes that name.
class IntrudingFileSystem final : public ForwardingFileSystem {
public:
    using ForwardingFileSystem::ForwardingFileSystem;
    int attributeReads = 0;
    int attributeWrites = 0;
    QString takenName;

    using FileSystem::move;
    FileResult move(const QString& from, const QString& to, const CopyNotice& notice) override {
        if (intrude && fileNameOf(to).startsWith(u"ren"_s)) {
            intrude = false;
            takenName = to;
            QFile other(to);
            EXPECT_TRUE(other.open(QIODevice::WriteOnly));
            other.write("other");
        }
        return ForwardingFileSystem::move(from, to, notice);
    }
    AttributeResult attributes(const QString& path) override {
        ++attributeReads;
        return ForwardingFileSystem::attributes(path);
    }
    FileResult setAttributes(const QString& path, int value) override {
        ++attributeWrites;
        return ForwardingFileSystem::setAttributes(path, value);
    }
    bool intrude = false;
};

// Tells which rows were asked to be on record and which files moved, in one list; the rows from
// `failFrom` on cannot be recorded.
class RecordingOrder final : public RunRecorder {
public:
    RecordingOrder(QStringList& events, qint32 failFrom) : m_events(events), m_failFrom(failFrom) {}

    FileResult starting(const QStringList&) override { return FileResult::success(); }
    FileResult planned(std::vector<PlannedMove>) override { return FileResult::success(); }
    FileResult recorded(qint32 row) override {
        m_events << u"recorded "_s + QString::number(row);
        if (row < m_failFrom)
            return FileResult::success();
        return {FileOutcome::Failed, u"No space left on device"_s, FailureCause::Other};
    }
    FileResult temporaryChanged(qint32, const QString&) override { return FileResult::success(); }
    FileResult setAside(qint32, const QString&) override { return FileResult::success(); }
    FileResult copying(qint32, const QString&, const FileIdentity&) override {
        return FileResult::success();
    }
    FileResult ended(const RunResult&, const std::vector<QString>&) override {
        return FileResult::success();
    }

private:
    QStringList& m_events;
    qint32 m_failFrom;
};

class ToldMoves final : public ForwardingFileSystem {
public:
    ToldMoves(FileSystem& real, QStringList& events)
        : ForwardingFileSystem(real), m_events(events) {}

    using FileSystem::move;
    FileResult move(const QString& from, const QString& to, const CopyNotice& notice) override {
        if (!fileNameOf(from).startsWith(u"ren"_s))
            m_events << u"move "_s + fileNameOf(from);
        return ForwardingFileSystem::move(from, to, notice);
    }

private:
    QStringList& m_events;
};

TEST(RenameRunTest, AFileMovesOnlyOnceItsRowIsOnRecordAndARowThatCannotBeEndsTheRun) {
    RunFolder folder({u"a=1"_s, u"b=2"_s, u"c=3"_s, u"d=4"_s, u"x=5"_s, u"z=6"_s});
    // A shift whose second row moves first, a swap, and a row the record cannot take.
    RenameList list = listOf(folder, {u"c>d"_s, u"d>e"_s, u"a>b"_s, u"b>a"_s, u"x>y"_s, u"z>w"_s});
    QStringList events;
    RecordingOrder recorder(events, 4);
    ScriptedDialogs dialogs;
    PosixFileSystem real;
    ToldMoves files(real, events);
    const RunResult result = RenameRun(list, files, dialogs, {}, {}, &recorder).run();

    EXPECT_EQ(events, (QStringList{u"recorded 1"_s, u"move d"_s, u"recorded 0"_s, u"move c"_s,
                                   u"recorded 2"_s, u"move a"_s, u"recorded 3"_s, u"move b"_s,
                                   u"recorded 4"_s}));
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.endedAtRow, 4);
    ASSERT_EQ(result.problems.size(), 1);
    EXPECT_TRUE(result.problems[0].why.contains(u"No space left on device"_s));
    EXPECT_EQ(folder.contents(),
              (QStringList{u"a=2"_s, u"b=1"_s, u"d=3"_s, u"e=4"_s, u"x=5"_s, u"z=6"_s}));
}

TEST(RenameRunTest, ATemporaryNameTakenMeanwhileIsLeftToItsFileAndAnotherIsTaken) {
    RunFolder folder({u"a=1"_s});
    RenameList list = listOf(folder, {u"a>b"_s});
    ScriptedDialogs dialogs;
    PosixFileSystem real;
    IntrudingFileSystem files(real);
    files.intrude = true;
    const RunResult result = RenameRun(list, files, dialogs, {}, {}).run();
    EXPECT_EQ(result.renamed, 1);
    EXPECT_TRUE(result.problems.isEmpty());
    EXPECT_EQ(folder.contents(),
              (QStringList{u"b=1"_s, fileNameOf(files.takenName) + u"=other"_s}));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

// A rename keeps the attributes: they are read and written only where the file would not have the
// ones it should. They are the ones read under the temporary name, which hides no file by its name.
TEST(RenameRunTest, AttributesAreWrittenOnlyWhereTheyWouldChange) {
    struct Case {
        const char* rename;
        int before;
        std::optional<int> newValue;
        int reads;
        int writes;
        int after;
    };
    const Case cases[] = {
        {"a>b", 0, std::nullopt, 0, 0, 0},
        {"a>b", Attribute::ReadOnly | Attribute::Archive, std::nullopt, 0, 0,
         Attribute::ReadOnly | Attribute::Archive},
        {".a>.b", 0, std::nullopt, 0, 0, Attribute::Hidden},
        {"a>b", 0, 0, 1, 0, 0},
        {"a>b", Attribute::Archive, Attribute::ReadOnly, 1, 1, Attribute::ReadOnly},
        {"a>b", Attribute::ReadOnly, 0, 1, 1, 0},
        {".a>b", 0, std::nullopt, 1, 0, 0},
        {"a>.b", Attribute::Hidden, std::nullopt, 1, 1, Attribute::Hidden},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rename);
        const QStringList names = QString::fromLatin1(c.rename).split(u'>');
        RunFolder folder({names[0] + u"=1"_s});
        PosixFileSystem real;
        ASSERT_TRUE(real.setAttributes(folder.dir.filePath(names[0]), c.before).ok());
        RenameList list = listOf(folder, {QString::fromLatin1(c.rename)});
        ScriptedDialogs dialogs;
        IntrudingFileSystem files(real);
        RunSettings settings;
        settings.newAttributesOn = c.newValue.has_value();
        settings.newAttributeValue = c.newValue.value_or(0);
        EXPECT_EQ(RenameRun(list, files, dialogs, settings, {}).run().renamed, 1);
        EXPECT_EQ(files.attributeReads, c.reads);
        EXPECT_EQ(files.attributeWrites, c.writes);
        EXPECT_EQ(real.attributes(folder.dir.filePath(names[1])).attributes, c.after);
        ASSERT_TRUE(real.setAttributes(folder.dir.filePath(names[1]), 0).ok());
    }
}

TEST(RenameRunTest, ProgressShowsTheEntriesFinishedBeforeEach) {
    RunFolder folder({u"a=1"_s, u"b=2"_s, u"c=3"_s});
    RenameList list = listOf(folder, {u"a>x"_s, u"b>"_s, u"c>z"_s});
    ScriptedDialogs dialogs;
    PosixFileSystem files;
    qint32 maximum = -1;
    QList<qint32> values;
    const RunResult result = RenameRun(list, files, dialogs, {},
                                       {.start = [&](qint32 m) { maximum = m; },
                                        .value = [&](qint32 v) { values.append(v); },
                                        .stopAsked = {}})
                                 .run();
    EXPECT_EQ(maximum, 3);
    EXPECT_EQ(values, (QList<qint32>{0, 1, 2}));
    ASSERT_EQ(result.problems.size(), 1);
    EXPECT_EQ(result.problems[0].path, folder.dir.filePath(u"b"_s));
    EXPECT_EQ(runSummary(result), u"Renamed 2 of 3 files; 1 skipped"_s);
    EXPECT_EQ(list.filename(0), u"x"_s);
    EXPECT_EQ(list.filename(1), u"b"_s);
}

} // namespace
} // namespace quillane
