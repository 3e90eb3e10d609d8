#include "platform/QSettingsStore.h"

#include "tests/PipeFeeder.h"
#include "tests/QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

const QString ProgramKey = u"Software\\Kestrova\\Quillane"_s;

class QSettingsStoreTest : public testing::Test {
protected:
    QString iniPath() const { return dir.filePath(u"quillane.ini"_s); }

    QTemporaryDir dir;
    QSettingsStore store{ProgramKey, iniPath()};
};

TEST_F(QSettingsStoreTest, KeysBelowTheProgramKeyAreGroups) {
    EXPECT_TRUE(store.setString(ProgramKey, u"grid"_s, u"1"_s));
    EXPECT_TRUE(store.setString(ProgramKey + u"\\Filter"_s, u"1"_s, u"*.*"_s));
    // Every write is on disk at once: another reader sees it.
    QSettings file(iniPath(), QSettings::IniFormat);
    EXPECT_EQ(file.value(u"grid"_s).toString(), u"1"_s);
    EXPECT_EQ(file.value(u"Filter/1"_s).toString(), u"*.*"_s);
    EXPECT_EQ(store.value(ProgramKey + u"\\Filter"_s, u"1"_s).toString(), u"*.*"_s);
}

TEST_F(QSettingsStoreTest, PathsOutsideTheProgramKeyAreNeverTouched) {
    EXPECT_FALSE(store.setString(u"Software\\Other"_s, u"x"_s, u"1"_s));
    EXPECT_FALSE(store.setString(u"Software\\Kestrova\\QuillaneX"_s, u"x"_s, u"1"_s));
    EXPECT_FALSE(store.value(u"Software\\Other"_s, u"x"_s).isValid());
    EXPECT_FALSE(store.removeKey(ProgramKey));
    EXPECT_TRUE(QSettings(iniPath(), QSettings::IniFormat).allKeys().isEmpty());
}

TEST_F(QSettingsStoreTest, RemovingASubkeyTakesAllItsValues) {
    const QString filter = ProgramKey + u"\\Filter"_s;
    ASSERT_TRUE(store.setString(filter, u"1"_s, u"*.*"_s));
    ASSERT_TRUE(store.setString(filter, u"7"_s, u"*.jpg"_s));
    ASSERT_TRUE(store.setString(ProgramKey, u"NoOfFilter"_s, u"2"_s));
    EXPECT_TRUE(store.removeKey(filter));
    EXPECT_FALSE(store.value(filter, u"1"_s).isValid());
    EXPECT_FALSE(store.value(filter, u"7"_s).isValid());
    EXPECT_EQ(store.value(ProgramKey, u"NoOfFilter"_s).toString(), u"2"_s);
}

// A settings file that cannot be settings: the store starts empty, keeps the session's values,
// says every write failed and leaves the file as it was.
TEST(QSettingsStoreFileTest, APipeOrAHugeFileIsNeitherReadNorReplaced) {
    QTemporaryDir dir;
    const QString pipePath = dir.filePath(u"pipe.conf"_s);
    const PipeFeeder pipe(pipePath, "[General]\ngrid=9\n");
    ASSERT_TRUE(pipe.made);
    const QString hugePath = dir.filePath(u"huge.conf"_s);
    {
        QFile huge(hugePath);
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        huge.write("[General]\ngrid=9\n");
        huge.write(QByteArray(5 * 1024 * 1024, ';'));
    }
    for (const QString& path : {pipePath, hugePath}) {
        QSettingsStore store(ProgramKey, path);
        EXPECT_FALSE(store.value(ProgramKey, u"grid"_s).isValid()) << path.toStdString();
        EXPECT_FALSE(store.setString(ProgramKey, u"grid"_s, u"1"_s));
        EXPECT_FALSE(store.setString(ProgramKey + u"\\Filter"_s, u"1"_s, u"*.*"_s));
        EXPECT_EQ(store.value(ProgramKey, u"grid"_s).toString(), u"1"_s);
        EXPECT_FALSE(store.removeKey(ProgramKey + u"\\Filter"_s));
        EXPECT_FALSE(store.value(ProgramKey + u"\\Filter"_s, u"1"_s).isValid());
        EXPECT_EQ(store.value(ProgramKey, u"grid"_s).toString(), u"1"_s);
    }
    EXPECT_TRUE(pipe.stillThere());
    EXPECT_EQ(QFileInfo(hugePath).size(), 5 * 1024 * 1024 + 17);
}

} // namespace
} // namespace quillane
