#include "platform/RegularFile.h"

#include "tests/PipeFeeder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

class RegularFileTest : public testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir dir;
};

TEST_F(RegularFileTest, ReadsAFileUpToTheLimitAndNoFurther) {
    const FileBytesResult whole = readRegularFile(write(u"ten"_s, "0123456789"), 10);
    EXPECT_TRUE(whole.result.ok());
    EXPECT_EQ(whole.bytes, "0123456789");

    const FileBytesResult over = readRegularFile(write(u"eleven"_s, "0123456789A"), 10);
    EXPECT_EQ(over.result.outcome, FileOutcome::Failed);
    EXPECT_TRUE(over.bytes.isEmpty());

    EXPECT_EQ(readRegularFile(dir.filePath(u"none"_s), 10).result.outcome,
              FileOutcome::SourceMissing);
}

TEST_F(RegularFileTest, APipeAFolderOrADeviceIsRefusedUnread) {
    const PipeFeeder pipe(dir.filePath(u"pipe"_s), "from the pipe");
    ASSERT_TRUE(pipe.made);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder"_s));
    for (const QString& path :
         {dir.filePath(u"pipe"_s), dir.filePath(u"folder"_s), u"/dev/zero"_s, u"/dev/null"_s}) {
        const FileBytesResult read = readRegularFile(path, 1024);
        EXPECT_EQ(read.result.outcome, FileOutcome::Failed) << path.toStdString();
        EXPECT_TRUE(read.bytes.isEmpty()) << path.toStdString();
    }
    EXPECT_TRUE(pipe.stillThere());
}

} // namespace
} // namespace quillane
