#include "gathering/FileGatherer.h"

#include "gathering/DirectoryScan.h"
#include "gathering/GatheringTexts.h"
#include "platform/PosixFileSystem.h"
#include "tests/settings/IniStore.h"
#include "tests/support/CountingFileSystem.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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
            const RenameList& list = model.list();
            rows.append(QDir(dir.path()).relativeFilePath(list.at(row).directory) + u'|' +
                        list.cell(row, ListColumn::Filename));
        }
        return rows;
    }

    QTemporaryDir dir;
    IniStore ini;
    ScriptedDialogs dialogs;
    CountingFileSystem files;
    SettingsStore settings{ini.registry(), dialogs, u"/opt/q"_s};
    FileFilterStore filters{ini.registry(), dialogs};
    RenameListModel model{files};
    FileGatherer gatherer{model, files, dialogs, settings, filters};
};

TEST_F(GatheringTest, AddsAFolderTreeFilesBeforeSubfoldersEachInReadingOrder) {
    // Made out of order, so that the order of the listing cannot pass for the reading order.
    makeFiles({u"IMG_10.jpg"_s, u"sub10/z.txt"_s, u"b.txt"_s, u"img_9.jpg"_s,
               u"Sub9/deeper/d.txt"_s, u"IMG_100.jpg"_s, u"Sub9/c.txt"_s, u".hidden"_s, u"A.txt"_s,
               u"a.txt"_s, u"empty/.keep"_s, u"IMG_0099.jpg"_s});
    QFile::remove(dir.filePath(u"empty/.keep"_s));
    dialogs.answerFolder(dir.path() + u"/"_s);
    gatherer.AddDirMnu_Click();

    EXPECT_EQ(listed(), (QStringList{u".|.hidden"_s, u".|A.txt"_s, u".|a.txt"_s, u".|b.txt"_s,
                                     u".|img_9.jpg"_s, u".|IMG_10.jpg"_s, u".|IMG_0099.jpg"_s,
                                     u".|IMG_100.jpg"_s, u"Sub9|c.txt"_s, u"Sub9/deeper|d.txt"_s,
                                     u"sub10|z.txt"_s}));
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

// The walk's read of a folder stands for the statuses' own look at it while the folder stays as
// it was, and only then: not when it changed so lately that its stamp may not show the next change.
TEST_F(GatheringTest, AnAddedFolderIsNotReadAgainForTheStatusesUntilItChanges) {
    makeFiles({u"a.txt"_s, u"taken/inner.txt"_s});
    settings.ExcSubdirMnu_Click();
    RenameRuleSet rules;
    rules.NewFilenameOn = true;
    rules.NewFilename = u"taken"_s;
    rules.NewExtensionOn = true;
    rules.Suffix = {};
    const auto addAndRefresh = [&] {
        model.clear();
        dialogs.answerFolder(dir.path());
        gatherer.AddDirMnu_Click();
        model.refreshRenOutput(rules, DateTimeStamper::system());
        EXPECT_EQ(model.list().at(0).status, EntryStatus::NameTaken);
    };
    addAndRefresh();
    EXPECT_EQ(files.listings, 1);

    const timespec longAgo[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(dir.path()).constData(), longAgo, 0), 0);
    addAndRefresh();
    EXPECT_EQ(files.listings, 1);

    makeFiles({u"later"_s});
    rules.NewFilename = u"later"_s;
    model.refreshRenOutput(rules, DateTimeStamper::system());
    EXPECT_EQ(model.list().at(0).status, EntryStatus::NameTaken);
    EXPECT_EQ(files.listings, 2);
}

// Tells which folders outside the chosen one the walk tried to read, and reads none of them.
class FencedFileSystem final : public PosixFileSystem {
public:
    explicit FencedFileSystem(const QString& inside) : m_inside(canonicalPath(inside)) {}

    std::optional<FolderListing> list(const QString& directory, const QString& pattern) override {
        const QString real = canonicalPath(directory);
        if (real != m_inside && !real.startsWith(m_inside + u'/')) {
            outside.append(real);
            return std::nullopt;
        }
        return PosixFileSystem::list(directory, pattern);
    }

    QStringList outside;

private:
    QString m_inside;
};

TEST_F(GatheringTest, LinksToFoldersAreNeverEnteredAndLinksToFilesAreListed) {
    makeFiles({u"chosen/a.txt"_s, u"chosen/sub/c.txt"_s, u"sibling/s.txt"_s});
    const QString chosen = dir.filePath(u"chosen"_s);
    for (const auto& [target, link] : {std::pair{u".."_s, u"up"_s},
                                       {u"../sibling"_s, u"sib"_s},
                                       {u"/"_s, u"root"_s},
                                       {u"."_s, u"sub/again"_s},
                                       {u"a.txt"_s, u"a-link"_s},
                                       {u"gone"_s, u"dangling"_s}})
        ASSERT_EQ(::symlink(target.toUtf8().constData(),
                            QFile::encodeName(chosen + u'/' + link).constData()),
                  0);
    FencedFileSystem fenced(chosen);
    FileGatherer gathering(model, fenced, dialogs, settings, filters);
    dialogs.answerFolder(chosen);
    gathering.AddDirMnu_Click();

    EXPECT_EQ(listed(), (QStringList{u"chosen|a-link"_s, u"chosen|a.txt"_s, u"chosen|dangling"_s,
                                     u"chosen/sub|c.txt"_s}));
    EXPECT_TRUE(fenced.outside.isEmpty()) << fenced.outside.join(u' ').toStdString();
}

// Folders of long names down to where a path has room for a short name but no long one, made
// and removed relative to each folder, since their whole paths are too long for the system.
class DeepTree {
public:
    explicit DeepTree(const QString& base) : m_path(QFile::encodeName(base)) {
        m_folders.push_back(::open(m_path.constData(), O_DIRECTORY | O_CLOEXEC));
        while (m_path.size() + 1 + m_level.size() < PATH_MAX - 20) {
            enter(m_level);
            m_path += '/' + m_level;
        }
        makeFile("ok.txt");
        makeFile(m_longFile);
        enter(m_longFolder);
        makeFile("inside.txt");
    }
    ~DeepTree() {
        ::unlinkat(m_folders.back(), "inside.txt", 0);
        leave(m_longFolder);
        ::unlinkat(m_folders.back(), "ok.txt", 0);
        ::unlinkat(m_folders.back(), m_longFile.constData(), 0);
        while (m_folders.size() > 1)
            leave(m_level);
        ::close(m_folders.back());
    }

    // The deepest folder that still has room for a short name.
    QString deepest() const { return QFile::decodeName(m_path); }

private:
    void enter(const QByteArray& name) {
        ::mkdirat(m_folders.back(), name.constData(), 0700);
        m_folders.push_back(::openat(m_folders.back(), name.constData(), O_DIRECTORY | O_CLOEXEC));
    }
    void leave(const QByteArray& name) {
        ::close(m_folders.back());
        m_folders.pop_back();
        ::unlinkat(m_folders.back(), name.constData(), AT_REMOVEDIR);
    }
    void makeFile(const QByteArray& name) {
        ::close(::openat(m_folders.back(), name.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
    }

    const QByteArray m_level = QByteArray(200, 'd');
    const QByteArray m_longFile = QByteArray(230, 'x');
    const QByteArray m_longFolder = QByteArray(230, 'y');
    QByteArray m_path;
    std::vector<int> m_folders;
};

TEST_F(GatheringTest, PathsTooLongForTheSystemAreToldOnceAndTheRestIsAdded) {
    const QString base = dir.filePath(u"deep"_s);
    ASSERT_TRUE(QDir().mkpath(base));
    const DeepTree tree(base);
    dialogs.answerFolder(base);
    dialogs.answerMessage(MessageAnswer::Ok);
    gatherer.AddDirMnu_Click();

    ASSERT_EQ(model.list().count(), 1);
    EXPECT_EQ(model.list().at(0).directory, tree.deepest());
    EXPECT_EQ(model.list().filename(0), u"ok.txt"_s);
    ASSERT_EQ(dialogs.messages().size(), 1);
    const MessageRequest told = dialogs.messages().front();
    EXPECT_TRUE(told.text.startsWith(
        u"These paths are longer than the system allows, so they were not added:\r\n"_s));
    // Each path ends as it is, the way the user finds it in a file manager.
    for (const char letter : {'x', 'y'})
        EXPECT_TRUE(told.text.contains(QString(100, QLatin1Char(letter)))) << letter;
    EXPECT_EQ(told.text.count(u"\r\n"_s), 2);
    EXPECT_TRUE(told.keptOnTop);
}

TEST(PathsTooLongMessageTest, ListsTenShortenedPathsAndCountsTheRest) {
    QStringList paths;
    for (int i = 0; i < 12; ++i)
        paths.append(u"/start"_s + QString(300, u'm') + u"/end%1"_s.arg(i));
    const QString text = pathsPassedOverMessage(GatheringText::PathsTooLong, paths).text;
    EXPECT_TRUE(text.contains(u"/start"_s + QString(34, u'm') + u"\u2026"_s));
    EXPECT_TRUE(text.contains(u"/end9"_s));
    EXPECT_FALSE(text.contains(u"/end10"_s));
    EXPECT_TRUE(text.endsWith(u"\r\n... and 2 more."_s));
    EXPECT_LT(text.size(), 1800);
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
    ::unlink(bad.constData()); // a name that does not decode is beyond the temporary folder's reach
}

// A file system whose folder "locked" cannot be read and whose root holds one file.
class TestFileSystem final : public PosixFileSystem {
public:
    std::optional<FolderListing> list(const QString& directory, const QString& pattern) override {
        if (directory.endsWith(u"locked/"_s))
            return std::nullopt;
        if (directory == u"/"_s) {
            FolderListing root;
            root.entries = {{.nameAt = 0, .nameLength = 1}};
            root.names.names = u"x"_s + QChar(u'\0');
            return root;
        }
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
    EXPECT_EQ(model.list().filename(1), u"x"_s);
}

TEST_F(GatheringTest, GivenPathsJoinInTheirOrderFoldersAsAddDirectoryAndTheMissingAreToldOnce) {
    makeFiles({u"z.txt"_s, u"tree/b.txt"_s, u"tree/A.txt"_s, u"tree/sub/c.txt"_s, u"m.txt"_s});
    const QStringList paths{dir.filePath(u"z.txt"_s), dir.filePath(u"gone.txt"_s),
                            dir.filePath(u"tree"_s) + u'/', dir.filePath(u"m.txt"_s),
                            dir.filePath(u"gone/"_s)};
    const QString startFolder = settings.StartupDir();
    const QList<MessageRequest> passedOver = gatherer.addPaths(paths);

    EXPECT_EQ(listed(), (QStringList{u".|z.txt"_s, u"tree|A.txt"_s, u"tree|b.txt"_s,
                                     u"tree/sub|c.txt"_s, u".|m.txt"_s}));
    EXPECT_EQ(model.list().selectedCount(), 1);
    ASSERT_EQ(passedOver.size(), 1);
    EXPECT_EQ(passedOver[0].text, GatheringText::PathsNotFound + u"\r\n"_s +
                                      dir.filePath(u"gone.txt"_s) + u"\r\n"_s +
                                      dir.filePath(u"gone/"_s));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    // Unlike a pick in the dialog, paths handed in do not move the dialog's folder.
    EXPECT_EQ(settings.StartupDir(), startFolder);

    // Without recursion a folder gives its own files only; a list that was not empty keeps its
    // selection.
    settings.ExcSubdirMnu_Click();
    model.selectRow(4);
    EXPECT_TRUE(gatherer.addPaths({dir.filePath(u"tree"_s)}).isEmpty());
    EXPECT_EQ(listed().mid(5), (QStringList{u"tree|A.txt"_s, u"tree|b.txt"_s}));
    EXPECT_TRUE(model.list().at(4).selected);
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
        {u"All Files (*)"_s, u"Jpeg (*.jpg *.jpeg *.jpe)"_s, u"Mpeg (*.mpg *.mpeg *.mpe)"_s},
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
