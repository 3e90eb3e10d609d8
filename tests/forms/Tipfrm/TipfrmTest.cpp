#include "forms/Tipfrm/Tipfrm.h"

#include "platform/PosixFileSystem.h"
#include "settings/SettingNames.h"
#include "tests/PipeFeeder.h"
#include "tests/QtPrinters.h"
#include "tests/settings/IniStore.h"
#include "tests/support/ScriptedDialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

class TipWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLANE_RESOURCES_DIR "/Tod.ir"),
                                programFolder.filePath(u"Tod.ir"_s)));
    }
    void writeTips(const QByteArray& bytes) {
        QFile file(programFolder.filePath(u"tod.ctd"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The window as it opens; it deletes itself when closed, so the test closes it only last.
    Tipfrm& open() {
        settings = std::make_unique<SettingsStore>(store.registry(), dialogs, programFolder.path());
        window = new Tipfrm(*settings, programFolder.path(), files, dialogs, nullptr);
        window->show();
        return *window;
    }
    QString tip() const { return window->findChild<QLabel*>(u"lblTipText"_s)->text(); }
    void nextTip() { window->findChild<QPushButton*>(u"cmdNextTip"_s)->click(); }

    QTemporaryDir programFolder;
    IniStore store;
    ScriptedDialogs dialogs;
    PosixFileSystem files;
    std::unique_ptr<SettingsStore> settings;
    QPointer<Tipfrm> window;

    void TearDown() override { delete window; }
};

TEST_F(TipWindowTest, AOneLineFileAlwaysShowsThatLine) {
    writeTips("Drag the divider to see longer names.\r\n");
    open();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tip(), u"Drag the divider to see longer names."_s);
        nextTip();
    }
    EXPECT_EQ(window->windowTitle(), u"Kestrova Quillane Tip of the Day"_s);
    EXPECT_FALSE(window->isModal());
}

TEST_F(TipWindowTest, AnEmptyFileKeepsTheFirstTextAndABlankLineShowsAnEmptyTip) {
    writeTips({});
    open();
    EXPECT_EQ(tip(), u"There are no tips to show."_s);
    delete window;

    writeTips("\r\n");
    open();
    EXPECT_EQ(tip(), QString());
}

TEST_F(TipWindowTest, AMissingFileIsNamedAndTheButtonsStillWork) {
    open();
    EXPECT_EQ(tip(), u"That the tod.ctd file was not found? "_s);
    nextTip();
    EXPECT_EQ(tip(), u"That the tod.ctd file was not found? "_s);
}

TEST_F(TipWindowTest, APipeOrAHugeFileReadsAsAMissingOne) {
    {
        const PipeFeeder pipe(programFolder.filePath(u"tod.ctd"_s), "From the pipe\n");
        ASSERT_TRUE(pipe.made);
        open();
        EXPECT_EQ(tip(), u"That the tod.ctd file was not found? "_s);
        EXPECT_TRUE(pipe.stillThere());
        delete window;
    }
    QFile::remove(programFolder.filePath(u"tod.ctd"_s));
    writeTips(QByteArray(15 * 1024 * 1024, 'x'));
    open();
    EXPECT_EQ(tip(), u"That the tod.ctd file was not found? "_s);
}

TEST_F(TipWindowTest, TheStartupBoxFollowsTheSettingAndWritesItAtOnce) {
    writeTips("a\nb\n");
    open();
    auto* box = window->findChild<QCheckBox*>(u"chkLoadTipsAtStartup"_s);
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_EQ(store.dump(), u"ShowTod=0"_s);
    delete window;
    open();
    EXPECT_FALSE(window->findChild<QCheckBox*>(u"chkLoadTipsAtStartup"_s)->isChecked());
}

TEST_F(TipWindowTest, WithoutItsIconTheWindowStillReadsTheSettingAndTheTips) {
    QFile::remove(programFolder.filePath(u"Tod.ir"_s));
    writeTips("only tip\n");
    ASSERT_TRUE(store.registry().SaveString(RegistryRoot::CurrentUser,
                                            QString(SettingName::ProgramKey),
                                            QString(SettingName::ShowTod), u"0"_s));
    dialogs.answerMessage(MessageAnswer::Ok);
    open();
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(tip(), u"only tip"_s);
    EXPECT_FALSE(window->findChild<QCheckBox*>(u"chkLoadTipsAtStartup"_s)->isChecked());
}

} // namespace
} // namespace quillane
