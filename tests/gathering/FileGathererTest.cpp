#include "gathering/FileGatherer.h"

#include "gathering/DirectoryScan.h"
#include "platform/PosixFileSystem.h"
#include "tests/settings/IniStore.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

class GatheringTest : public testing::Test {
protected:
    GatheringTest() {
        settings.applyStartupSettings([&] { filters.repairAtStartup(); });
    }

    void makeFiles(const QStringList& paths) {
        for (const QString& path : paths) {
            QDir(dir.path()).mkpath(QFileInfo(path).path());
            QFile file(dir.filePath(path));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        }
    }

    // The listed files as "relative folder|name", in list order.
    QStringList listed() const {
        QStringList rows;
        for (qint32 row = 0; row < model.list().count(); ++row) {
            const RenameEntry& e = model.list().at(row);
            rows.append(QDir(dir.path()).relativeFilePath(e.directory) + u'|' + e.filename);
        }
        return rows;
    }

    QTemporaryDir dir;
    IniStore ini;
    ScriptedDialogs dialogs;
    PosixFileSystem files;
    SettingsStore settings{ini.registry(), dialogs, u"/opt/q"_s};
    FileFilterStore filters{ini.registry(), dialogs};
    RenameListModel model;
    FileGatherer gatherer{model, files, dialogs, settings, filters};
};

TEST_F(GatheringTest, AddsAFolderTreeFilesBeforeSubfolders) {
    makeFiles({u"a.txt"_s, u"b.txt"_s, u".hidden"_s, u"sub/c.txt"_s, u"sub/deeper/d.txt"_s,
               u"sub2/e.txt"_s, u"empty/.keep"_s});
    QFile::remove(dir.filePath(u"empty/.keep"_s));
    dialogs.answerFolder(dir.path() + u"/"_s);
    gatherer.AddDirMnu_Click();

    const QStringList rows = listed();
    ASSERT_EQ(rows.size(), 6);
    QStringList top = rows.mid(0, 3);
    top.sort();
    EXPECT_EQ(top, (QStringList{u".|.hidden"_s, u".|a.txt"_s, u".|b.txt"_s}));
    // Whichever of sub and sub2 the listing gives first, sub's files come right before its
    // subfolder's, and nothing comes between.
    const qsizetype sub = rows.indexOf(u"sub|c.txt"_s);
    ASSERT_GE(sub, 3);
    EXPECT_EQ(rows.indexOf(u"sub/deeper|d.txt"_s), sub + 1);
    EXPECT_TRUE(rows[3] == u"sub2|e.txt"_s || rows[5] == u"sub2|e.txt"_s);
    EXPECT_EQ(model.list().selectedCount(), 1);
    EXPECT_TRUE(model.list().at(0).selected);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(GatheringTest, WithoutRecursionOnlyTheFolderItselfAndTwiceIsTwice) {
    makeFiles({u"a.txt"_s, u"sub/c.txt"_s});
    settings.ExcSubdirMnu_Click();
    dialogs.answerFolder(dir.path());
    dialogs.answerFolder(dir.path());
    dialogs.answerFolder(std::nullopt);
    gatherer.AddDirMnu_Click();
    model.deselectAll();
    gatherer.AddDirMnu_Click();
    gatherer.AddDirMnu_Click(); // cancelled
    EXPECT_EQ(listed(), (QStringList{u".|a.txt"_s, u".|a.txt"_s}));
    EXPECT_EQ(model.list().selectedCount(), 0); // only an add to an empty list selects
    const FolderRequest asked{u"Add which directory?"_s, DialogOwner::MainWindow};
    EXPECT_EQ(dialogs.requests().front(), ScriptedDialogs::Request{asked});
}

TEST_F(GatheringTest, ALinkBackIntoTheTreeEndsTheWalk) {
    makeFiles({u"a.txt"_s, u"sub/c.txt"_s});
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath(u"sub/loop"_s)));
    ASSERT_TRUE(QFile::link(dir.filePath(u"sub"_s), dir.filePath(u"again"_s)));
    dialogs.answerFolder(dir.path());
    gatherer.AddDirMnu_Click();
    // c.txt comes once, through whichever of "sub" and "again" the listing gives first.
    const QStringList rows = listed();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], u".|a.txt"_s);
    EXPECT_TRUE(rows[1] == u"sub|c.txt"_s || rows[1] == u"again|c.txt"_s);
}

TEST_F(GatheringTest, UndecodableNamesAreToldAndSkipped) {
    makeFiles({u"a.txt"_s});
    const QByteArray bad = QFile::encodeName(dir.path()) + "/bad\xff.txt";
    ::close(::open(bad.constData(), O_CREAT | O_WRONLY, 0600));
    dialogs.answerFolder(dir.path());
    dialogs.answerMessage(MessageAnswer::Ok);
    gatherer.AddDirMnu_Click();
    EXPECT_EQ(listed(), QStringList{u".|a.txt"_s});
    ASSERT_EQ(dialogs.messages().size(), 1);
    const MessageRequest box = dialogs.messages().front();
    EXPECT_TRUE(box.text.startsWith(u"Kestrova Quillane cannot recognize the input filename. "
                                    "\r\nFilename skipped:     "_s +
                                    dir.path() + u"/bad"_s));
    EXPECT_TRUE(box.keptOnTop);
}

// A file system whose folder "locked" cannot be read and whose root holds one file.
class TestFileSystem final : public PosixFileSystem {
public:
    std::optional<QList<DirectoryEntry>> list(const QString& directory,
                                              const QString& pattern) override {
        if (directory.endsWith(u"locked/"_s))
            return std::nullopt;
        if (directory == u"/"_s)
            return QList<DirectoryEntry>{{u"x"_s, false, false, true}};
        return PosixFileSystem::list(directory, pattern);
    }
    bool exists(const QString& path) override {
        return path == u"/x"_s || PosixFileSystem::exists(path);
    }
};

TEST_F(GatheringTest, UnreadableFoldersArePassedOverAndTheRootKeepsItsSeparator) {
    makeFiles({u"a.txt"_s, u"locked/b.txt"_s});
    TestFileSystem fs;
    FileGatherer gathering(model, fs, dialogs, settings, filters);
    dialogs.answerFolder(dir.path());
    dialogs.answerFolder(u"/"_s);
    gathering.AddDirMnu_Click();
    EXPECT_EQ(listed(), QStringList{u".|a.txt"_s});
    settings.ExcSubdirMnu_Click(); // the root is read without its subfolders
    gathering.AddDirMnu_Click();
    EXPECT_EQ(model.list().at(1).directory, u"/"_s);
    EXPECT_EQ(model.list().at(1).filename, u"x"_s);
}

TEST_F(GatheringTest, PickedFilesKeepTheDialogsOrderAndTheStartFolder) {
    makeFiles({u"b.jpg"_s, u"a.jpg"_s, u"c"_s, u"sub/x.jpg"_s});
    const QString folder = dir.path();
    dialogs.answerOpenFiles(OpenFilesResult{
        {folder + u"/b.jpg"_s, folder + u"/a.jpg"_s, folder + u"/sub"_s, folder + u"/c"_s}});
    gatherer.AddMnu_Click();
    EXPECT_EQ(listed(), (QStringList{u".|b.jpg"_s, u".|a.jpg"_s, u".|c"_s}));
    EXPECT_EQ(settings.StartupDir(), folder + u"/"_s);
    EXPECT_TRUE(ini.dump().contains(u"StartupDir="_s + folder + u"/;"_s));
    const OpenFilesRequest asked{
        u"Add Files... (multiple selection possible)"_s,
        u"/opt/q"_s,
        {u"All Files (*.*)"_s, u"Jpeg (*.jpg *.jpeg *.jpe)"_s, u"Mpeg (*.mpg *.mpeg *.mpe)"_s},
        0,
        DialogOwner::MainWindow};
    EXPECT_EQ(dialogs.requests().front(), ScriptedDialogs::Request{asked});

    // A single pick keeps its folder without the separator, and leaves the selection alone; a
    // file gone since it was picked is told.
    model.deselectAll();
    dialogs.answerOpenFiles(OpenFilesResult{{folder + u"/sub/x.jpg"_s}});
    gatherer.AddMnu_Click();
    EXPECT_EQ(listed().last(), u"sub|x.jpg"_s);
    EXPECT_EQ(settings.StartupDir(), folder + u"/sub"_s);
    EXPECT_EQ(model.list().selectedCount(), 0);
    dialogs.answerOpenFiles(OpenFilesResult{{folder + u"/gone.jpg"_s}});
    dialogs.answerMessage(MessageAnswer::Ok);
    gatherer.AddMnu_Click();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().front().text.endsWith(folder + u"/gone.jpg"_s));
    EXPECT_EQ(dialogs.messages().front().title, u"Kestrova Quillane"_s);
    EXPECT_EQ(settings.StartupDir(), folder);

    // A cancel changes nothing.
    dialogs.answerOpenFiles(std::nullopt);
    gatherer.AddMnu_Click();
    EXPECT_EQ(model.list().count(), 4);
    EXPECT_EQ(settings.StartupDir(), folder);
}

} // namespace
} // namespace quillane
