#include "renamelist/RenameRun.h"

#include "platform/PathText.h"
#include "platform/PosixFileSystem.h"
#include "tests/CaseName.h"
#include "tests/renamelist/FailingFileSystem.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

// A folder of small files named "name=content", and a list of them to rename.
class RunFolder {
public:
    explicit RunFolder(const QStringList& files) {
        for (const QString& file : files) {
            const QStringList parts = file.split(u'=');
            QDir(dir.path()).mkpath(QFileInfo(parts[0]).path());
            QFile out(dir.filePath(parts[0]));
            EXPECT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(parts.value(1).toUtf8());
        }
    }

    QString path() const { return dir.path(); }

    // Every file below the folder as "relative/name=content", sorted.
    QStringList contents() const {
        QStringList found;
        QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            QFile in(file);
            EXPECT_TRUE(in.open(QIODevice::ReadOnly));
            found.append(QDir(dir.path()).relativeFilePath(file) + u'=' +
                         QString::fromUtf8(in.readAll()));
        }
        found.sort();
        return found;
    }

    QTemporaryDir dir;
};

// "old>new" rows in the folder's own directory.
RenameList listOf(const RunFolder& folder, const QStringList& renames) {
    RenameList list;
    for (const QString& rename : renames) {
        const QStringList parts = rename.split(u'>');
        list.append(folder.path(), parts[0]);
        list.setCell(list.count() - 1, ListColumn::Renout, parts.value(1));
    }
    return list;
}

struct RunCase {
    const char* name;
    QStringList files;
    QStringList renames;
    QList<MessageAnswer> answers;
    QStringList after;
    QStringList questions; // texts, "D" standing for the folder
    QString customDir;     // below the folder; empty: where each file is
};

class RenameRunTest : public testing::TestWithParam<RunCase> {};

TEST_P(RenameRunTest, LeavesEveryFileWhereTheAnswersSay) {
    const RunCase& c = GetParam();
    RunFolder folder(c.files);
    RenameList list = listOf(folder, c.renames);
    ScriptedDialogs dialogs;
    for (const MessageAnswer answer : c.answers)
        dialogs.answerMessage(answer);
    PosixFileSystem files;
    RunSettings settings;
    if (!c.customDir.isEmpty()) {
        settings.outputWhereFileIs = false;
        settings.customOutputDir = folder.dir.filePath(c.customDir);
        QDir(folder.path()).mkpath(c.customDir);
    }
    RenameRun(list, files, dialogs, settings, {}).run();

    EXPECT_EQ(folder.contents(), c.after);
    QStringList asked;
    for (const MessageRequest& box : dialogs.messages())
        asked.append(QString(box.text).replace(folder.path(), u"D"_s));
    EXPECT_EQ(asked, c.questions);
    EXPECT_TRUE(dialogs.allAnswered());
}

const auto Yes = MessageAnswer::Yes;
const auto No = MessageAnswer::No;

INSTANTIATE_TEST_SUITE_P(
    Lists, RenameRunTest,
    testing::Values(
        RunCase{"SameNames", {u"a=1"_s}, {u"a>a"_s}, {}, {u"a=1"_s}, {}, {}},
        RunCase{"CaseOnly", {u"a.txt=1"_s}, {u"a.txt>A.txt"_s}, {}, {u"A.txt=1"_s}, {}, {}},
        RunCase{"Renames",
                {u"a=1"_s, u"b=2"_s},
                {u"a>x"_s, u"b>y"_s},
                {},
                {u"x=1"_s, u"y=2"_s},
                {},
                {}},
        RunCase{"SwapOverwriting",
                {u"a=1"_s, u"b=2"_s},
                {u"a>b"_s, u"b>a"_s},
                {Yes},
                {u"a=1"_s},
                {u"'D/b' already exists. Overwrite?"_s},
                {}},
        RunCase{"SwapRefused",
                {u"a=1"_s, u"b=2"_s},
                {u"a>b"_s, u"b>a"_s},
                {No, No},
                {u"a=1"_s, u"b=2"_s},
                {u"'D/b' already exists. Overwrite?"_s, u"'D/a' already exists. Overwrite?"_s},
                {}},
        RunCase{"EqualTargets",
                {u"a=1"_s, u"b=2"_s},
                {u"a>x"_s, u"b>x"_s},
                {Yes},
                {u"x=2"_s},
                {u"'D/x' already exists. Overwrite?"_s},
                {}},
        RunCase{"NamesThatNameNoFile",
                {u"a=1"_s, u"b=2"_s, u"c=3"_s, u"d=4"_s},
                {u"a>"_s, u"b>.."_s, u"c>sub/x"_s, u"d>ok"_s},
                {},
                {u"a=1"_s, u"b=2"_s, u"c=3"_s, u"ok=4"_s},
                {},
                {}},
        RunCase{"MissingFileSkipped",
                {u"a=1"_s},
                {u"gone>x"_s, u"a>y"_s},
                {Yes},
                {u"y=1"_s},
                {u"'D/x' cannot be found!\r\nSkip this file?"_s},
                {}},
        RunCase{"IntoTheCustomFolder", {u"a=1"_s}, {u"a>a"_s}, {}, {u"out/a=1"_s}, {}, u"out"_s},
        RunCase{"RefusedInTheCustomFolder",
                {u"a=1"_s, u"out/x=old"_s},
                {u"a>x"_s},
                {No},
                {u"out/a=1"_s, u"out/x=old"_s},
                {u"'D/out/x' already exists. Overwrite?"_s},
                u"out"_s}),
    CaseName());

TEST(RenameRunFaultTest, OtherFailuresPutTheFileBackAndEndTheRun) {
    RunFolder folder({u"a=1"_s, u"b=2"_s});
    RenameList list = listOf(folder, {u"a>x"_s, u"b>y"_s});
    ScriptedDialogs dialogs;
    dialogs.answerMessage(MessageAnswer::Ok);
    PosixFileSystem files;
    RunSettings settings{false, folder.dir.filePath(u"missing"_s), false, 0};
    const RunResult result = RenameRun(list, files, dialogs, settings, {}).run();

    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.endedAtRow, 0);
    EXPECT_EQ(folder.contents(), (QStringList{u"a=1"_s, u"b=2"_s}));
    ASSERT_EQ(dialogs.messages().size(), 1);
    const QString told = dialogs.messages().front().text;
    EXPECT_TRUE(told.contains(u"No such file or directory"_s)) << told.toStdString();
    EXPECT_TRUE(told.contains(u"The file is now '"_s + folder.dir.filePath(u"a"_s) + u"'"_s));
    EXPECT_EQ(list.at(0).filename, u"a"_s);
}

TEST(RenameRunFaultTest, OldNameTakenInTheCustomFolderIsToldWithTheTemporaryName) {
    RunFolder folder({u"a=1"_s});
    QDir(folder.path()).mkpath(u"out"_s);
    for (const char* name : {"out/x", "out/a"}) {
        QFile taken(folder.dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    }
    RenameList list = listOf(folder, {u"a>x"_s});
    ScriptedDialogs dialogs;
    dialogs.answerMessage(MessageAnswer::No);
    dialogs.answerMessage(MessageAnswer::Ok);
    PosixFileSystem files;
    RenameRun(list, files, dialogs, {false, folder.dir.filePath(u"out"_s), false, 0}, {}).run();

    const QString temporary = pathIn(list.at(0).directory, list.at(0).filename);
    EXPECT_TRUE(list.at(0).filename.startsWith(u"ren"_s));
    EXPECT_TRUE(QFile::exists(temporary));
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_TRUE(dialogs.messages()[1].text.contains(temporary));
}

// Makes each file operation of a run in turn fail, or report a taken name or a missing file that
// are not so: afterwards every file is under its old name, its new name, or a name a message
// gave, with its contents, and every row names a file that is there.
TEST(RenameRunFaultTest, NoFailureLosesAFile) {
    const QStringList files{u"a=1"_s, u"b=2"_s, u"c=3"_s};
    const QStringList renames{u"a>x"_s, u"b>b"_s, u"c>z"_s};
    PosixFileSystem real;
    int callsOfAWholeRun = 0;
    {
        RunFolder folder(files);
        RenameList list = listOf(folder, renames);
        ScriptedDialogs dialogs;
        FailingFileSystem counting(real, 0);
        RenameRun(list, counting, dialogs, {}, {}).run();
        callsOfAWholeRun = counting.calls();
    }
    ASSERT_GT(callsOfAWholeRun, 10);
    for (const FileOutcome outcome :
         {FileOutcome::Failed, FileOutcome::TargetExists, FileOutcome::SourceMissing}) {
        for (int failAt = 1; failAt <= callsOfAWholeRun; ++failAt) {
            const std::string context = "outcome " + std::to_string(static_cast<int>(outcome)) +
                                        ", call " + std::to_string(failAt);
            RunFolder folder(files);
            RenameList list = listOf(folder, renames);
            ScriptedDialogs dialogs;
            for (int i = 0; i < 6; ++i)
                dialogs.answerMessage(MessageAnswer::Yes);
            FailingFileSystem failing(real, failAt, outcome);
            RenameRun(list, failing, dialogs, {}, {}).run();

            QString told;
            for (const MessageRequest& box : dialogs.messages())
                told += box.text;
            const QStringList after = folder.contents();
            for (const QString& content : {u"=1"_s, u"=2"_s, u"=3"_s}) {
                QStringList holders;
                for (const QString& file : after) {
                    if (file.endsWith(content))
                        holders.append(file.chopped(content.size()));
                }
                ASSERT_EQ(holders.size(), 1) << context << " " << after.join(u' ').toStdString();
                const QString name = holders.front();
                const bool expected =
                    QStringList{u"a"_s, u"x"_s, u"b"_s, u"c"_s, u"z"_s}.contains(name);
                EXPECT_TRUE(expected || told.contains(folder.dir.filePath(name)))
                    << context << ": " << name.toStdString() << " untold";
            }
            // Nor is anything else left behind without a word, empty files included.
            for (const QString& file : after) {
                const QString name = file.section(u'=', 0, 0);
                EXPECT_TRUE(QStringList({u"a"_s, u"x"_s, u"b"_s, u"c"_s, u"z"_s}).contains(name) ||
                            told.contains(folder.dir.filePath(name)))
                    << context << ": stray " << name.toStdString() << " untold";
            }
            for (qint32 row = 0; row < list.count(); ++row) {
                EXPECT_TRUE(QFile::exists(pathIn(list.at(row).directory, list.at(row).filename)))
                    << context << ": row " << row << " names "
                    << list.at(row).filename.toStdString();
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

TEST(RenameRunTest, AttributesAreKeptOrReplaced) {
    RunFolder folder({u"a=1"_s, u"b=2"_s});
    PosixFileSystem files;
    ASSERT_TRUE(files.setAttributes(folder.dir.filePath(u"a"_s), Attribute::ReadOnly).ok());
    ASSERT_TRUE(files.setAttributes(folder.dir.filePath(u"b"_s), Attribute::ReadOnly).ok());
    ScriptedDialogs dialogs;

    RenameList kept = listOf(folder, {u"a>x"_s});
    RenameRun(kept, files, dialogs, {}, {}).run();
    EXPECT_EQ(files.attributes(folder.dir.filePath(u"x"_s)).attributes, Attribute::ReadOnly);

    RenameList replaced = listOf(folder, {u"b>y"_s});
    RenameRun(replaced, files, dialogs, {true, {}, true, 0}, {}).run();
    EXPECT_EQ(files.attributes(folder.dir.filePath(u"y"_s)).attributes, 0);
}

TEST(RenameRunTest, ProgressShowsTheEntriesFinishedBeforeEach) {
    RunFolder folder({u"a=1"_s, u"b=2"_s, u"c=3"_s});
    RenameList list = listOf(folder, {u"a>x"_s, u"b>"_s, u"c>z"_s});
    ScriptedDialogs dialogs;
    PosixFileSystem files;
    qint32 maximum = -1;
    QList<qint32> values;
    const RunResult result = RenameRun(list, files, dialogs, {},
                                       {[&](qint32 m) { maximum = m; },
                                        [&](qint32 v) {
                                            values.append(v);
                                        }})
                                 .run();
    EXPECT_EQ(maximum, 3);
    EXPECT_EQ(values, (QList<qint32>{0, 1, 2}));
    EXPECT_EQ(result.invalidNames, QList<qint32>{1});
    EXPECT_EQ(list.at(0).filename, u"x"_s);
    EXPECT_EQ(list.at(1).filename, u"b"_s);
}

} // namespace
} // namespace quillane
