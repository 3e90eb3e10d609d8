#include "forms/agreefrm/agreefrm.h"

#include "platform/ExifFileDates.h"
#include "platform/HostSystemQueries.h"
#include "platform/PosixFileSystem.h"
#include "tests/QtPrinters.h"
#include "tests/rules/FixedClock.h"
#include "tests/settings/IniStore.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gmock/gmock.h>

namespace quillane {
namespace {

using namespace Qt::StringLiterals;

class AnswerOnlySystem final : public SystemQueries {
public:
    explicit AnswerOnlySystem(bool earlierCopy, bool earlierCopyTakesPaths = true)
        : m_earlierCopy(earlierCopy), m_earlierCopyTakesPaths(earlierCopyTakesPaths) {}
    PlatformVersion platformVersion() const override { return {}; }
    bool earlierInstanceRunning() override { return m_earlierCopy; }
    bool handPathsToEarlierInstance(const QStringList& paths) override {
        handedOver += paths;
        return m_earlierCopyTakesPaths;
    }
    void takePathsFromLaterStarts(std::function<void(const QStringList&)> take) override {
        laterStart = std::move(take);
    }

    QStringList handedOver;
    std::function<void(const QStringList&)> laterStart;

private:
    bool m_earlierCopy;
    bool m_earlierCopyTakesPaths;
};

class AgreefrmTest : public testing::Test {
protected:
    agreefrm startup(SystemQueries& system, const QStringList& paths = {}) {
        return agreefrm({system, dialogs, shell, files, journal, store.registry(), stamper,
                         fileDates, programFolder.path() + u'/', 96, nullptr, paths});
    }
    QString makeFile(const QString& name) const {
        QFile file(programFolder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return file.fileName();
    }
    static QStringList listed(const agreefrm& started) {
        QStringList names;
        const RenameList& list = started.mainWindow()->renameList().list();
        for (qint32 row = 0; row < list.count(); ++row)
            names.append(list.cell(row, ListColumn::Filename));
        return names;
    }
    void shipIconFiles() {
        for (const QString& name : {u"Quillane.ir"_s, u"Amail.ir"_s})
            ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLANE_RESOURCES_DIR "/") + name,
                                    programFolder.filePath(name)));
    }

    QTemporaryDir programFolder;
    IniStore store{"[General]\nShowTod=0\n"};
    ScriptedDialogs dialogs;
    RecordingShell shell;
    PosixFileSystem files;
    RunJournal journal{programFolder.filePath(QStringLiteral("state/journal.sqlite3"))};
    FixedClock clock{{QDate(2026, 12, 6), QTime(9, 0)}};
    DateTimeStamper stamper{clock, TimeNotation{}};
    ExifFileDates fileDates;
};

TEST_F(AgreefrmTest, AnEarlierCopyIsToldAboutAndNothingIsShownOrWritten) {
    AnswerOnlySystem running(true);
    dialogs.answerMessage(MessageAnswer::Ok);
    agreefrm second = startup(running);

    EXPECT_FALSE(second.load());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text, u"This program is already running!"_s);
    EXPECT_EQ(second.mainWindow(), nullptr);
    EXPECT_EQ(store.dump(), u"ShowTod=0"_s);
}

TEST_F(AgreefrmTest, StartShowsTheMainWindowAndPreparesTheAboutIconsFromTheProgramFolder) {
    shipIconFiles();
    AnswerOnlySystem alone(false);
    agreefrm first = startup(alone);

    ASSERT_TRUE(first.load());
    EXPECT_EQ(first.AppDir(), programFolder.path());
    ASSERT_NE(first.mainWindow(), nullptr);
    EXPECT_TRUE(first.mainWindow()->isVisible());
    // A host without the display settings of the other family takes the first row.
    EXPECT_EQ(first.displayProfile().WidthExtra, 100);
    EXPECT_TRUE(first.aboutIcons().product.has_value());
    EXPECT_TRUE(first.aboutIcons().mail.has_value());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(AgreefrmTest, ASecondStartHandsItsPathsOverAndEndsWithoutABoxUnlessTheyAreNotTaken) {
    const QStringList paths{u"/photos/a.jpg"_s, u"/photos/trip"_s};
    AnswerOnlySystem taking(true);
    EXPECT_FALSE(startup(taking, paths).load());
    EXPECT_EQ(taking.handedOver, paths);
    EXPECT_TRUE(dialogs.messages().isEmpty());

    // A copy that does not answer leaves the second start as it was without paths.
    AnswerOnlySystem deaf(true, false);
    dialogs.answerMessage(MessageAnswer::Ok);
    agreefrm second = startup(deaf, paths);
    EXPECT_FALSE(second.load());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text, u"This program is already running!"_s);
    EXPECT_EQ(second.mainWindow(), nullptr);
}

TEST_F(AgreefrmTest, TheFirstStartAddsItsPathsAndThoseOfLaterStartsOnceNoRunIsUnderWay) {
    shipIconFiles();
    AnswerOnlySystem alone(false);
    agreefrm first = startup(alone, {makeFile(u"given.txt"_s), u"/no/such/file.txt"_s});
    // The paths not found are told once the list shows the rest with their new names.
    QString previewWhenTold;
    dialogs.whenAsked([&](const MessageRequest& request) {
        if (request.text.endsWith(u"/no/such/file.txt"_s))
            previewWhenTold = first.mainWindow()->renameList().list().cell(0, ListColumn::Renout);
    });
    dialogs.answerMessage(MessageAnswer::Ok);
    ASSERT_TRUE(first.load());
    EXPECT_EQ(listed(first), QStringList{u"given.txt"_s});
    EXPECT_EQ(previewWhenTold, u"Image1.txt"_s);
    ASSERT_TRUE(alone.laterStart);

    quillanemainfrm& window = *first.mainWindow();
    window.BusyMode();
    alone.laterStart({makeFile(u"later.txt"_s)});
    EXPECT_EQ(listed(first), QStringList{u"given.txt"_s});
    window.NotBusyMode();
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed(first).size() == 2; }));
    EXPECT_EQ(listed(first), (QStringList{u"given.txt"_s, u"later.txt"_s}));
    // The preview follows, as after any add: the start-up rules number the new names.
    EXPECT_EQ(window.renameList().list().cell(1, ListColumn::Renout), u"Image2.txt"_s);
}

// The program itself as the later start, from a folder of its own, as a file manager starts it.
TEST_F(AgreefrmTest, TheProgramStartedAgainWithPathsHandsThemToTheRunningWindow) {
    shipIconFiles();
    const QTemporaryDir runtime;
    HostSystemQueries system(runtime.filePath(u"quillane.lock"_s));
    agreefrm first = startup(system);
    ASSERT_TRUE(first.load());
    ASSERT_TRUE(QDir(programFolder.path()).mkpath(u"trip/day1"_s));
    makeFile(u"trip/b.jpg"_s);
    makeFile(u"trip/day1/a.jpg"_s);
    makeFile(u"notes.txt"_s);

    QProcess later;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    environment.insert(u"HOME"_s, runtime.path());
    later.setProcessEnvironment(environment);
    later.setWorkingDirectory(programFolder.path());
    later.setProcessChannelMode(QProcess::ForwardedChannels);
    later.start(QStringLiteral(QUILLANE_PROGRAM), {u"trip"_s, u"notes.txt"_s});
    EXPECT_TRUE(QTest::qWaitFor([&] { return later.state() == QProcess::NotRunning; }, 60000));
    later.kill(); // should it have stopped at a box
    later.waitForFinished();
    EXPECT_EQ(later.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(later.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed(first).size() == 3; }));
    EXPECT_EQ(listed(first), (QStringList{u"b.jpg"_s, u"a.jpg"_s, u"notes.txt"_s}));
    EXPECT_EQ(first.mainWindow()->renameList().list().at(1).directory,
              programFolder.filePath(u"trip/day1"_s));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

} // namespace
} // namespace quillane
