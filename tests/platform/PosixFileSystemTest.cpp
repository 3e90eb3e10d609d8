#include "platform/PosixFileSystem.h"

#include "platform/PosixMoves.h"
#include "tests/CaseName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

bool userAttributesWork(const QString& directory) {
    const QByteArray probe = QFile::encodeName(directory + u"/.xattr-probe"_s);
    QFile(QFile::decodeName(probe)).open(QIODevice::WriteOnly);
    const bool works = ::setxattr(probe.constData(), "user.probe", "1", 1, 0) == 0;
    ::unlink(probe.constData());
    return works;
}

class PosixFileSystemTest : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    PosixFileSystem fs;
};

TEST_F(PosixFileSystemTest, MoveRenamesWithinAFolderAndIntoAnother) {
    writeFile(path(u"a.txt"_s), "alpha");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"sub"_s));
    EXPECT_TRUE(fs.move(path(u"a.txt"_s), path(u"b.txt"_s)).ok());
    EXPECT_TRUE(fs.move(path(u"b.txt"_s), path(u"sub/c.txt"_s)).ok());
    EXPECT_FALSE(QFile::exists(path(u"a.txt"_s)));
    EXPECT_EQ(contents(path(u"sub/c.txt"_s)), "alpha");
}

TEST_F(PosixFileSystemTest, MoveNeverReplacesAndSaysWhy) {
    writeFile(path(u"a.txt"_s), "alpha");
    writeFile(path(u"b.txt"_s), "beta");
    EXPECT_EQ(fs.move(path(u"a.txt"_s), path(u"b.txt"_s)).outcome, FileOutcome::TargetExists);
    EXPECT_EQ(contents(path(u"a.txt"_s)), "alpha");
    EXPECT_EQ(contents(path(u"b.txt"_s)), "beta");

    EXPECT_EQ(fs.move(path(u"gone.txt"_s), path(u"c.txt"_s)).outcome, FileOutcome::SourceMissing);

    const FileResult noFolder = fs.move(path(u"a.txt"_s), path(u"nofolder/a.txt"_s));
    EXPECT_EQ(noFolder.outcome, FileOutcome::Failed);
    EXPECT_FALSE(noFolder.message.isEmpty());
    EXPECT_EQ(contents(path(u"a.txt"_s)), "alpha");
}

struct FallbackCase {
    const char* name;
    FileResult (*move)(const QByteArray&, const QByteArray&);
};

class MoveFallbackTest : public PosixFileSystemTest,
                         public testing::WithParamInterface<FallbackCase> {
protected:
    FileResult move(const QString& from, const QString& to) {
        return GetParam().move(QFile::encodeName(from), QFile::encodeName(to));
    }
};

TEST_P(MoveFallbackTest, MovesButNeverReplaces) {
    writeFile(path(u"a.txt"_s), "alpha");
    writeFile(path(u"b.txt"_s), "beta");
    EXPECT_EQ(move(path(u"a.txt"_s), path(u"b.txt"_s)).outcome, FileOutcome::TargetExists);
    EXPECT_EQ(contents(path(u"a.txt"_s)), "alpha");
    EXPECT_EQ(contents(path(u"b.txt"_s)), "beta");
    EXPECT_EQ(move(path(u"none.txt"_s), path(u"c.txt"_s)).outcome, FileOutcome::SourceMissing);
    EXPECT_EQ(move(path(u"a.txt"_s), path(u"nofolder/a.txt"_s)).outcome, FileOutcome::Failed);
    ASSERT_TRUE(move(path(u"a.txt"_s), path(u"c.txt"_s)).ok());
    EXPECT_FALSE(QFile::exists(path(u"a.txt"_s)));
    EXPECT_EQ(contents(path(u"c.txt"_s)), "alpha");
}

INSTANTIATE_TEST_SUITE_P(Ways, MoveFallbackTest,
                         testing::Values(FallbackCase{"Linking", posix::moveByLinking},
                                         FallbackCase{"Copying", posix::moveByCopying}),
                         CaseName());

class CrossFileSystemMoveTest : public PosixFileSystemTest {
protected:
    void SetUp() override {
        if (!QFileInfo(u"/dev/shm"_s).isWritable())
            GTEST_SKIP() << "/dev/shm, a second file system, is not writable here";
        ASSERT_TRUE(shm.isValid());
    }

    QTemporaryDir shm{u"/dev/shm/quillane-test-XXXXXX"_s};
};

TEST_F(CrossFileSystemMoveTest, KeepsContentsPermissionsTimesAndAttributes) {
    const QString source = path(u"photo.jpg"_s);
    writeFile(source, QByteArray(300'000, 'x'));
    ASSERT_EQ(::chmod(QFile::encodeName(source).constData(), 0640), 0);
    const bool attributes = userAttributesWork(dir.path()) && userAttributesWork(shm.path());
    if (attributes) {
        ASSERT_TRUE(fs.setAttributes(source, Attribute::Hidden | Attribute::Archive).ok());
    }
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(source).constData(), &before), 0);

    const QString target = shm.filePath(u"moved.jpg"_s);
    ASSERT_TRUE(fs.move(source, target).ok());
    EXPECT_FALSE(QFile::exists(source));
    EXPECT_EQ(contents(target), QByteArray(300'000, 'x'));
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    if (attributes) {
        EXPECT_EQ(fs.attributes(target).attributes, Attribute::Hidden | Attribute::Archive);
    }
}

TEST_F(CrossFileSystemMoveTest, NeverReplacesATargetOnTheOtherSide) {
    writeFile(path(u"a.txt"_s), "alpha");
    writeFile(shm.filePath(u"a.txt"_s), "other");
    EXPECT_EQ(fs.move(path(u"a.txt"_s), shm.filePath(u"a.txt"_s)).outcome,
              FileOutcome::TargetExists);
    EXPECT_EQ(contents(path(u"a.txt"_s)), "alpha");
    EXPECT_EQ(contents(shm.filePath(u"a.txt"_s)), "other");
}

TEST_F(CrossFileSystemMoveTest, MovesALinkAsALink) {
    writeFile(path(u"real.txt"_s), "alpha");
    ASSERT_TRUE(QFile::link(path(u"real.txt"_s), path(u"link.txt"_s)));
    ASSERT_TRUE(fs.move(path(u"link.txt"_s), shm.filePath(u"link.txt"_s)).ok());
    EXPECT_EQ(QFileInfo(shm.filePath(u"link.txt"_s)).symLinkTarget(), path(u"real.txt"_s));
    EXPECT_FALSE(QFileInfo::exists(path(u"link.txt"_s)));
}

struct AttributeCase {
    const char* name;
    int value;
    bool needsExtendedAttributes;
};

class AttributeRoundTripTest : public PosixFileSystemTest,
                               public testing::WithParamInterface<AttributeCase> {};

TEST_P(AttributeRoundTripTest, ReadsBackWhatWasSet) {
    const AttributeCase& c = GetParam();
    if (c.needsExtendedAttributes && !userAttributesWork(dir.path()))
        GTEST_SKIP() << "this file system refuses user extended attributes";
    writeFile(path(u"file.txt"_s), "x");
    ASSERT_TRUE(
        fs.setAttributes(path(u"file.txt"_s), Attribute::Hidden | Attribute::ReadOnly).ok() ||
        !c.needsExtendedAttributes);
    ASSERT_TRUE(fs.setAttributes(path(u"file.txt"_s), c.value).ok());
    EXPECT_EQ(fs.attributes(path(u"file.txt"_s)).attributes, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, AttributeRoundTripTest,
    testing::Values(AttributeCase{"None", 0, false}, AttributeCase{"ReadOnly", 1, false},
                    AttributeCase{"Hidden", 2, true}, AttributeCase{"System", 4, true},
                    AttributeCase{"Archive", 32, true}, AttributeCase{"All", 39, true},
                    AttributeCase{"ReadOnlyArchive", 33, true}),
    CaseName());

TEST_F(PosixFileSystemTest, ReadOnlyIsTheMissingWritePermission) {
    writeFile(path(u"file.txt"_s), "x");
    ASSERT_TRUE(fs.setAttributes(path(u"file.txt"_s), Attribute::ReadOnly).ok());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path(u"file.txt"_s)).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0222, 0u);
    EXPECT_EQ(fs.attributes(path(u".hidden"_s)).result.outcome, FileOutcome::SourceMissing);
    writeFile(path(u".hidden"_s), "x");
    EXPECT_EQ(fs.attributes(path(u".hidden"_s)).attributes, Attribute::Hidden);
}

TEST_F(PosixFileSystemTest, AttributesAreNeverSetThroughALink) {
    writeFile(path(u"real.txt"_s), "x");
    ASSERT_TRUE(QFile::link(path(u"real.txt"_s), path(u"link.txt"_s)));
    EXPECT_EQ(fs.setAttributes(path(u"link.txt"_s), Attribute::ReadOnly).outcome,
              FileOutcome::Failed);
    EXPECT_EQ(fs.attributes(path(u"real.txt"_s)).attributes, 0);
    EXPECT_EQ(fs.attributes(path(u"link.txt"_s)).attributes, 0);
}

TEST_F(PosixFileSystemTest, TemporaryFilesAreNewAndCarryThePrefix) {
    const TempFileResult first = fs.createTempFile(dir.path(), u"qre"_s);
    const TempFileResult second = fs.createTempFile(dir.path(), u"qre"_s);
    ASSERT_TRUE(first.result.ok());
    ASSERT_TRUE(second.result.ok());
    EXPECT_NE(first.path, second.path);
    EXPECT_TRUE(QFileInfo(first.path).fileName().startsWith(u"qre"_s));
    EXPECT_EQ(QFileInfo(first.path).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    EXPECT_TRUE(QFile::exists(first.path));
    EXPECT_EQ(fs.createTempFile(path(u"missing"_s), u"qre"_s).result.outcome, FileOutcome::Failed);
}

TEST_F(PosixFileSystemTest, ListsMatchingEntriesWithTheirKinds) {
    writeFile(path(u"README"_s), "x");
    writeFile(path(u"A.JPG"_s), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder"_s));
    ASSERT_TRUE(QFile::link(path(u"folder"_s), path(u"folderlink"_s)));
    const QByteArray badName = QFile::encodeName(dir.path()) + "/bad\xff.jpg";
    ::close(::open(badName.constData(), O_CREAT | O_WRONLY, 0600));

    const auto all = fs.list(dir.path(), u"*.*"_s);
    ASSERT_TRUE(all.has_value());
    QStringList names;
    for (const DirectoryEntry& e : *all)
        names.append(e.name);
    EXPECT_TRUE(names.contains(u"README"_s));
    EXPECT_FALSE(names.contains(u"."_s));
    for (const DirectoryEntry& e : *all) {
        if (e.name == u"folder"_s) {
            EXPECT_TRUE(e.isDirectory && !e.isSymbolicLink);
        } else if (e.name == u"folderlink"_s) {
            EXPECT_TRUE(e.isDirectory && e.isSymbolicLink);
        } else if (e.name == u"README"_s) {
            EXPECT_TRUE(!e.isDirectory && e.nameDecodes);
        }
    }

    const auto jpegs = fs.list(dir.path(), u"*.jpg"_s);
    ASSERT_TRUE(jpegs.has_value());
    ASSERT_EQ(jpegs->size(), 2);
    int undecodable = 0;
    for (const DirectoryEntry& e : *jpegs)
        undecodable += e.nameDecodes ? 0 : 1;
    EXPECT_EQ(undecodable, 1);

    EXPECT_FALSE(fs.list(path(u"missing"_s), u"*"_s).has_value());
    EXPECT_TRUE(fs.exists(path(u"README"_s)));
    EXPECT_FALSE(fs.isDirectory(path(u"README"_s)));
    EXPECT_TRUE(fs.isDirectory(path(u"folderlink"_s)));
    EXPECT_FALSE(fs.exists(path(u"nothing"_s)));
}

TEST_F(PosixFileSystemTest, TextFilesUseTheWesternCodePage) {
    const QString text = u"caf\u00E9 \u20AC 100"_s;
    ASSERT_TRUE(fs.writeTextFile(path(u"tips.txt"_s), text).ok());
    EXPECT_EQ(contents(path(u"tips.txt"_s)), QByteArray("caf\xE9 \x80 100"));
    const TextFileResult read = fs.readTextFile(path(u"tips.txt"_s));
    ASSERT_TRUE(read.result.ok());
    EXPECT_EQ(read.text, text);

    EXPECT_EQ(fs.readTextFile(path(u"none.txt"_s)).result.outcome, FileOutcome::SourceMissing);
    const TextFileResult folder = fs.readTextFile(dir.path());
    EXPECT_EQ(folder.result.outcome, FileOutcome::Failed);
    EXPECT_FALSE(folder.result.message.isEmpty());
}

} // namespace
} // namespace quillane
