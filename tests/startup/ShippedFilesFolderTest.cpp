#include "platform/PosixFileSystem.h"
#include "startup/ShippedFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

TEST(ShippedFilesFolderTest, BesideTheProgramFirstThenWhereAnInstallationPutsThem) {
    const QTemporaryDir root;
    PosixFileSystem files;
    const QString program = root.filePath(u"usr/bin"_s);
    const QString installed = root.filePath(u"usr/share/quillane"_s);
    ASSERT_TRUE(QDir().mkpath(program));

    // Nowhere: the program's folder, where each missing file is then told.
    EXPECT_EQ(shippedFilesFolder(program, files), program);

    ASSERT_TRUE(QDir().mkpath(installed));
    EXPECT_EQ(shippedFilesFolder(program, files), installed);

    // A build, or a folder copied whole, keeps them beside the program.
    QFile beside(QDir(program).filePath(u"Quillane.ir"_s));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    EXPECT_EQ(shippedFilesFolder(program, files), program);
}

} // namespace
} // namespace quillane
