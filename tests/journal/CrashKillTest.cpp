#include "tests/CaseName.h"
#include "tests/journal/CrashRun.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

constexpr int Files = 2000;
// The run's rows: the shifted files, the swapped pair, and "q" when something is in its way.
constexpr int Rows = Files + 3;
// Each file takes two changes, to its temporary name and to its new name; the renames keep its
// attributes.
constexpr int PerFile = 2;

enum class Moment { AtChange, WhileAsking, InsideACopy, AfterMilliseconds };

struct KillCase {
    const char* name;
    Moment moment;
    int at; // the change, or the milliseconds
};

class CrashKillTest : public testing::TestWithParam<KillCase> {};

TEST_P(CrashKillTest, RecoveryEitherWayLeavesEveryFileOnceUnderItsOldOrNewName) {
    const KillCase& c = GetParam();
    // The copy goes to the disk.
    const QString base = crash::scratchBase();
    QTemporaryDir disk;
    for (const RunKind way : {RunKind::Finish, RunKind::PutBack}) {
        SCOPED_TRACE(way == RunKind::Finish ? "Finish the Run" : "Put Them Back");
        QTemporaryDir root(base + u"/quillane-crash-XXXXXX"_s);
        const QString folder = root.filePath(u"files"_s);
        ASSERT_TRUE(QDir().mkpath(folder));
        QString output = u"-"_s;
        qint64 bigBytes = 0;
        if (c.moment == Moment::InsideACopy) {
            PosixFileSystem files;
            if (files.identity(disk.path())->device == files.identity(folder)->device)
                GTEST_SKIP() << "no second file system here";
            output = QDir(disk.path()).filePath(u"out-%1"_s.arg(static_cast<int>(way)));
            ASSERT_TRUE(QDir().mkpath(output));
            bigBytes = 96 * 1024 * 1024;
        }
        crash::makeFiles(folder, Files, bigBytes, true);
        const QString journal = root.filePath(u"state/journal.sqlite3"_s);

        QStringList arguments{folder, journal, output};
        switch (c.moment) {
        case Moment::AtChange:
            arguments << u"change"_s << QString::number(c.at);
            break;
        case Moment::WhileAsking:
            arguments << u"ask"_s;
            break;
        case Moment::InsideACopy:
        case Moment::AfterMilliseconds:
            arguments << u"run"_s;
            break;
        }
        const pid_t child = crash::startChild(QUILLANE_CRASH_CHILD, arguments);
        ASSERT_GT(child, 0);
        if (c.moment == Moment::WhileAsking) {
            EXPECT_TRUE(
                crash::waitUntil(child, [&] { return QFile::exists(root.filePath(u"asked"_s)); }));
            ::kill(child, SIGKILL);
        } else if (c.moment == Moment::InsideACopy) {
            EXPECT_TRUE(crash::waitUntil(child, [&] {
                return !QDir(output).entryList({u"ren*.part"_s}, QDir::Files).isEmpty();
            })) << "the copy was not seen";
            ::kill(child, SIGKILL);
        } else if (c.moment == Moment::AfterMilliseconds) {
            std::this_thread::sleep_for(std::chrono::milliseconds(c.at));
            ::kill(child, SIGKILL);
        }
        const bool killed = crash::killedBySigkill(child);
        if (c.moment != Moment::AfterMilliseconds) {
            ASSERT_TRUE(killed) << "the child ended before the moment";
        }

        const bool recovered = crash::recover(journal, way);
        if (killed && c.moment != Moment::AfterMilliseconds) {
            EXPECT_TRUE(recovered) << "the run is on record before its first change";
        }
        const crash::Tally found =
            crash::tally(folder, output == u"-"_s ? QString() : output, Files, bigBytes, true);
        EXPECT_EQ(found.stranded, 0);
        EXPECT_EQ(found.lost, 0);
        EXPECT_EQ(found.duplicated, 0);
        EXPECT_EQ(found.misplaced, 0);
        EXPECT_EQ(found.partial, 0);
        EXPECT_FALSE(RunJournal(journal).openRun().has_value()) << "the journal is closed";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kills, CrashKillTest,
    testing::Values(KillCase{"AtTheFirstMove", Moment::AtChange, 1},
                    KillCase{"BetweenTwoStepsOfOneFile", Moment::AtChange, 2},
                    KillCase{"BeforeTheNewName", Moment::AtChange, PerFile * 700 + 2},
                    KillCase{"MidRun", Moment::AtChange, PerFile*(Rows / 2) + 1},
                    KillCase{"AtTheLastStep", Moment::AtChange, PerFile* Rows - 1},
                    KillCase{"WhileAQuestionIsOpen", Moment::WhileAsking, 0},
                    KillCase{"InsideAMoveToAnotherFileSystem", Moment::InsideACopy, 0},
                    KillCase{"AfterAFifthOfASecond", Moment::AfterMilliseconds, 200},
                    KillCase{"AfterHalfASecond", Moment::AfterMilliseconds, 500}),
    CaseName());

} // namespace
} // namespace quillane
