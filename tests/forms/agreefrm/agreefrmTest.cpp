#include "forms/agreefrm/agreefrm.h"

#include "platform/PosixFileSystem.h"
#include "tests/QtPrinters.h"
#include "tests/rules/FixedClock.h"
#include "tests/settings/IniStore.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedDialogs.h"

#include <QFile>

#include <gmock/gmock.h>

namespace quillane {
namespace {

using namespace Qt::StringLiterals;

class AnswerOnlySystem final : public SystemQueries {
public:
    explicit AnswerOnlySystem(bool earlierCopy) : m_earlierCopy(earlierCopy) {}
    PlatformVersion platformVersion() const override { return {}; }
    bool earlierInstanceRunning() override { return m_earlierCopy; }

private:
    bool m_earlierCopy;
};

class AgreefrmTest : public testing::Test {
protected:
    agreefrm startup(SystemQueries& system) {
        return agreefrm({system, dialogs, shell, files, journal, store.registry(), stamper,
                         programFolder.path() + u'/', 96});
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

} // namespace
} // namespace quillane
