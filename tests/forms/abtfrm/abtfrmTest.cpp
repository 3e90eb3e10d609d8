#include "forms/abtfrm/abtfrm.h"

#include "forms/TechSupportDialog/TechSupportDialog.h"
#include "platform/PosixFileSystem.h"
#include "tests/QtPrinters.h"
#include "tests/settings/MemoryStore.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedDialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

class AboutBoxTest : public testing::Test {
protected:
    MemoryStore currentUser;
    Registry registry{currentUser};
    PosixFileSystem files;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    AboutIcons icons{QImage(32, 32, QImage::Format_ARGB32), QImage(16, 16, QImage::Format_ARGB32)};
    abtfrm about{icons, shell, registry, files, dialogs, nullptr};

    QWidget* child(const QString& name) const {
        auto* found = about.findChild<QWidget*>(name);
        EXPECT_NE(found, nullptr) << qPrintable(name);
        return found;
    }
    QList<bool> creditsShown() const {
        QList<bool> shown;
        for (int i = 0; i < 4; ++i)
            shown << !child(u"lblCredit(%1)"_s.arg(i))->isHidden();
        return shown;
    }
};

TEST_F(AboutBoxTest, CreditsTakeTurnsInPairs) {
    EXPECT_EQ(about.windowTitle(), u"About Kestrova Quillane"_s);
    EXPECT_EQ(qobject_cast<QLabel*>(child(u"lblVersion"_s))->text(), u"2.0.0"_s);
    EXPECT_EQ(creditsShown(), (QList<bool>{true, true, false, false}));
    EXPECT_EQ(about.creditsPage(), 1);
    const auto* timer = about.findChild<QTimer*>(u"ChangeSplash"_s);
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 5000);
    about.ChangeSplash_Timer();
    EXPECT_EQ(creditsShown(), (QList<bool>{false, false, true, true}));
    EXPECT_TRUE(child(u"Email_Img(3)"_s)->isVisibleTo(&about));
    EXPECT_EQ(about.creditsPage(), 2);
    about.ChangeSplash_Timer();
    EXPECT_EQ(creditsShown(), (QList<bool>{true, true, false, false}));
}

TEST_F(AboutBoxTest, LinksFollowTheLeftButtonOnly) {
    QTest::mouseClick(child(u"kestrova_URL"_s), Qt::RightButton);
    QTest::mouseClick(child(u"Email_Img(1)"_s), Qt::MiddleButton);
    EXPECT_TRUE(shell.opened.isEmpty());
    QTest::mouseClick(child(u"kestrova_URL"_s), Qt::LeftButton);
    QTest::mouseClick(child(u"Email_Img(1)"_s), Qt::LeftButton);
    EXPECT_EQ(shell.opened,
              (QStringList{u"https://kestrova.example/"_s, u"mailto:lists@kestrova.example"_s}));
    EXPECT_EQ(child(u"kestrova_URL"_s)->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutBoxTest, SystemInfoSaysSoWhenTheSystemNamesNoTool) {
    dialogs.answerMessage(MessageAnswer::Ok);
    qobject_cast<QPushButton*>(child(u"cmdSysInfo"_s))->click();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text, u"System Information Is Unavailable At This Time"_s);
    EXPECT_TRUE(dialogs.messages()[0].keptOnTop);
    EXPECT_TRUE(shell.started.isEmpty());
}

TEST(TechSupportDialogTest, AddressesAreLinksAndTheTitleIsAsShipped) {
    RecordingShell shell;
    TechSupportDialog support(shell, nullptr);
    EXPECT_EQ(support.windowTitle(), u"Kestrova QuillaneTechnical Support"_s);
    QTest::mouseClick(support.findChild<QWidget*>(u"SupportEmail_lbl"_s), Qt::RightButton);
    QTest::mouseClick(support.findChild<QWidget*>(u"SupportEmail_lbl"_s), Qt::LeftButton);
    QTest::mouseClick(support.findChild<QWidget*>(u"QuillaneURL_lbl"_s), Qt::LeftButton);
    EXPECT_EQ(shell.opened, (QStringList{u"mailto:support@kestrova.example"_s,
                                         u"https://quillane.kestrova.example/"_s}));
}

} // namespace
} // namespace quillane
