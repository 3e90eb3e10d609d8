#include "platform/HostSystemQueries.h"

#include "tests/PipeFeeder.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(HostSystemQueriesTest, OnlyTheFirstCopyRuns) {
    const QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("quillane.lock"));
    auto first = std::make_unique<HostSystemQueries>(lock);
    HostSystemQueries second(lock);
    EXPECT_FALSE(first->earlierInstanceRunning());
    EXPECT_FALSE(first->earlierInstanceRunning()); // asking again is not a second copy
    EXPECT_TRUE(second.earlierInstanceRunning());
    first.reset();
    EXPECT_FALSE(second.earlierInstanceRunning());
}

// A pipe that claims this very process holds the lock would hang start-up without its feeder,
// and a folder could never be locked: neither may keep the program from starting.
TEST(HostSystemQueriesTest, ALockNameHoldingNoRegularFileIsNotReadAndTheProgramStarts) {
    const QTemporaryDir dir;
    const QString pipePath = dir.filePath(QStringLiteral("pipe.lock"));
    const QByteArray heldByThisProcess = QByteArray::number(QCoreApplication::applicationPid()) +
                                         '\n' + QCoreApplication::applicationName().toUtf8() +
                                         '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
    const PipeFeeder pipe(pipePath, heldByThisProcess);
    ASSERT_TRUE(pipe.made);
    EXPECT_FALSE(HostSystemQueries(pipePath).earlierInstanceRunning());
    EXPECT_TRUE(pipe.stillThere());

    const QString folderPath = dir.filePath(QStringLiteral("folder.lock"));
    ASSERT_TRUE(QDir().mkdir(folderPath));
    EXPECT_FALSE(HostSystemQueries(folderPath).earlierInstanceRunning());
    EXPECT_TRUE(QFileInfo(folderPath).isDir());
}

} // namespace
} // namespace quillane
