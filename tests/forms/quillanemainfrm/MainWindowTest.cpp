#include "forms/quillanemainfrm/MainWindowTexts.h"
#include "forms/quillanemainfrm/RenameGrid.h"
#include "tests/CaseName.h"
#include "tests/forms/quillanemainfrm/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QProgressBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gmock/gmock.h>

#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace quillane {
namespace {

using namespace Qt::StringLiterals;
using testing::ElementsAre;

class MainWindowTest : public MainWindowFixture {
protected:
    // No new base name and no suffix, the search-and-replace group on: the names as that group
    // leaves them.
    void onlySearchAndReplace() {
        click(u"new_filename_chk"_s);
        click(u"suffix_asc_chk"_s);
        child<QLineEdit>(u"suffix_txt"_s)->clear();
        click(u"Replace_chk"_s);
    }
};

TEST_F(MainWindowTest, DefaultRulesNumberAFreshListAndSelectItsFirstRow) {
    addFiles({u"holiday.jpg"_s, u"beach.png"_s, u"notes"_s});

    EXPECT_THAT(newNames(), ElementsAre(u"Image1.jpg"_s, u"Image2.png"_s, u"Image3"_s));
    EXPECT_EQ(statusPanel(2), u"3 files, 1 selected"_s);
    EXPECT_TRUE(child<QTableView>(u"grdThis"_s)->selectionModel()->isRowSelected(0, {}));
    EXPECT_EQ(window->windowTitle(), u"Kestrova Quillane v2.0.0"_s);
}

TEST_F(MainWindowTest, ColumnsStartAtTheirOwnWidthsWhateverTheGridsWidth) {
    const QHeaderView* header = child<QTableView>(u"grdThis"_s)->horizontalHeader();
    for (const int width : {window->width(), window->width() + 400}) {
        window->resize(width, window->height());
        QApplication::processEvents();
        EXPECT_EQ(header->sectionSize(0), 230) << width;
        EXPECT_EQ(header->sectionSize(1), 180) << width;
        EXPECT_EQ(header->sectionSize(2), 180) << width;
    }
}

TEST_F(MainWindowTest, TypedForbiddenCharactersNeverReachTheTextBoxesButPastedOnesDo) {
    click(u"Replace_chk"_s);
    for (const QString& box : {u"new_filename_txt"_s, u"ReplaceWhat_txt"_s, u"prefix_txt"_s}) {
        child<QLineEdit>(box)->clear();
        type(box, u"a:b\\/*?\"<>|c"_s);
        EXPECT_EQ(child<QLineEdit>(box)->text(), u"abc"_s) << qPrintable(box);
    }
    auto* name = child<QLineEdit>(u"new_filename_txt"_s);
    QApplication::clipboard()->setText(u"x:y"_s);
    name->paste();
    EXPECT_EQ(name->text(), u"abcx:y"_s);
}

struct EnablingCase {
    const char* name;
    QString switchBox;
    QStringList dependents;
    bool startsOn;
};

class EnablingTest : public MainWindowTest, public testing::WithParamInterface<EnablingCase> {};

TEST_P(EnablingTest, SwitchEnablesItsDependentsAndTheyKeepTheirValues) {
    const EnablingCase& c = GetParam();
    const auto dependentsEnabled = [&] {
        QList<bool> states;
        for (const QString& name : c.dependents) {
            QWidget* dependent = child(name);
            auto* box = qobject_cast<QLineEdit*>(dependent);
            // A disabled text box is read-only too.
            if (box != nullptr) {
                EXPECT_EQ(box->isReadOnly(), !box->isEnabled()) << qPrintable(name);
                const QPalette::ColorRole paint =
                    box->isEnabled() ? QPalette::Base : QPalette::Button;
                EXPECT_EQ(box->palette().color(QPalette::Base),
                          QApplication::palette(box).color(paint))
                    << qPrintable(name);
            }
            states << dependent->isEnabled();
        }
        return states;
    };
    EXPECT_THAT(dependentsEnabled(), testing::Each(c.startsOn));
    const QString firstText = qobject_cast<QLineEdit*>(child(c.dependents.front()))
                                  ? child<QLineEdit>(c.dependents.front())->text()
                                  : QString();
    click(c.switchBox);
    EXPECT_THAT(dependentsEnabled(), testing::Each(!c.startsOn));
    click(c.switchBox);
    EXPECT_THAT(dependentsEnabled(), testing::Each(c.startsOn));
    if (auto* box = qobject_cast<QLineEdit*>(child(c.dependents.front()))) {
        EXPECT_EQ(box->text(), firstText);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Switches, EnablingTest,
    testing::Values(
        EnablingCase{"NewFilename", u"new_filename_chk"_s, QStringList{u"new_filename_txt"_s},
                     true},
        EnablingCase{"NewExtension", u"new_ext_chk"_s, QStringList{u"new_ext_txt"_s}, false},
        EnablingCase{"Replace", u"Replace_chk"_s,
                     QStringList{u"ReplaceWhat_txt"_s, u"ReplaceWith_txt"_s, u"with_lbl"_s,
                                 u"Replace_Space___chk"_s, u"Replace___Space_chk"_s,
                                 u"Replace___Hyphen_chk"_s, u"Remove_Space_chk"_s,
                                 u"Remove_UnderScore_chk"_s, u"Remove_Hyphen_chk"_s,
                                 u"Remove_Brackets_chk"_s, u"Remove_Brackets2_chk"_s,
                                 u"Remove_URL_Enc_chk"_s, u"ReplaceRegex_chk"_s,
                                 u"ReplaceIgnoreCase_chk"_s, u"Trim_Spaces_chk"_s},
                     false},
        EnablingCase{"DateTime", u"DateTime_chk"_s,
                     QStringList{u"datetime_cmb"_s, u"datetime_source_cmb"_s,
                                 u"DateAsSuPrefix_Opt(0)"_s, u"DateAsSuPrefix_Opt(1)"_s},
                     false},
        EnablingCase{
            "NewAttributes", u"new_attr_chk"_s,
            QStringList{u"ReadOnly_chk"_s, u"Hidden_chk"_s, u"System_chk"_s, u"Archive_chk"_s},
            false}),
    CaseName());

TEST_F(MainWindowTest, RuleChangesRefreshThePreviewButAttributesDoNot) {
    addFiles({u"a.jpg"_s, u"b.jpg"_s});
    type(u"new_filename_txt"_s, u"X"_s);
    EXPECT_THAT(newNames(), ElementsAre(u"ImageX1.jpg"_s, u"ImageX2.jpg"_s));

    click(u"DateTime_chk"_s);
    EXPECT_THAT(newNames(), ElementsAre(u"2026-12-06ImageX1.jpg"_s, u"2026-12-06ImageX2.jpg"_s));
    click(u"DateAsSuPrefix_Opt(1)"_s);
    EXPECT_THAT(newNames(), ElementsAre(u"ImageX12026-12-06.jpg"_s, u"ImageX22026-12-06.jpg"_s));

    // A name edited behind the preview's back shows whether attributes refresh it.
    child<QComboBox>(u"filename_format_cmb"_s)->setCurrentIndex(1);
    click(u"new_attr_chk"_s);
    click(u"Hidden_chk"_s);
    EXPECT_THAT(newNames(), ElementsAre(u"ImageX12026-12-06.jpg"_s, u"ImageX22026-12-06.jpg"_s));
}

TEST_F(MainWindowTest, APatternRenamesAndOneThatDoesNotCompileSaysWhyUntilMended) {
    addFiles({u"IMG_0042 final.jpg"_s, u"img_7 draft.jpg"_s});
    onlySearchAndReplace();
    click(u"ReplaceRegex_chk"_s);
    // A pattern needs the characters no name may hold, so its box takes them as typed.
    type(u"ReplaceWhat_txt"_s, u"^IMG_(\\d+) (\\w+)|\\?"_s);
    type(u"ReplaceWith_txt"_s, u"$2 $1"_s);
    EXPECT_THAT(newNames(), ElementsAre(u"final 0042.jpg"_s, u"img_7 draft.jpg"_s));
    click(u"ReplaceIgnoreCase_chk"_s);
    EXPECT_THAT(newNames(), ElementsAre(u"final 0042.jpg"_s, u"draft 7.jpg"_s));

    auto* what = child<QLineEdit>(u"ReplaceWhat_txt"_s);
    const QColor plain = what->palette().color(QPalette::Text);
    type(u"ReplaceWhat_txt"_s, u"("_s);
    EXPECT_THAT(newNames(), ElementsAre(u"IMG_0042 final.jpg"_s, u"img_7 draft.jpg"_s));
    EXPECT_THAT(statusPanel(1).toStdString(),
                testing::StartsWith("Regular expression: missing closing parenthesis"));
    EXPECT_EQ(what->toolTip(), statusPanel(1));
    EXPECT_NE(what->palette().color(QPalette::Text), plain);

    QTest::keyClick(what, Qt::Key_Backspace);
    EXPECT_THAT(newNames(), ElementsAre(u"final 0042.jpg"_s, u"draft 7.jpg"_s));
    EXPECT_EQ(statusPanel(1), MainWindowText::AwaitingJob);
    EXPECT_EQ(what->toolTip(), QString());
    EXPECT_EQ(what->palette().color(QPalette::Text), plain);

    // Read as plain text again, the search holds nothing the names do.
    click(u"ReplaceRegex_chk"_s);
    EXPECT_THAT(newNames(), ElementsAre(u"IMG_0042 final.jpg"_s, u"img_7 draft.jpg"_s));
}

TEST_F(MainWindowTest, TrimmingTakesTheSpaceABracketRemovalLeaves) {
    addFiles({u"scan [2].png"_s, u"My%20Report%20(1).pdf"_s});
    onlySearchAndReplace();
    for (const QString& box :
         {u"Remove_Brackets_chk"_s, u"Remove_Brackets2_chk"_s, u"Remove_URL_Enc_chk"_s})
        click(box);
    EXPECT_THAT(newNames(), ElementsAre(u"scan .png"_s, u"My Report .pdf"_s));
    click(u"Trim_Spaces_chk"_s);
    EXPECT_THAT(newNames(), ElementsAre(u"scan.png"_s, u"My Report.pdf"_s));
}

TEST_F(MainWindowTest, AStampOfTheFilesDatesFillsInAsTheyAreReadAndRenameWaitsForThem) {
    addFiles({u"a.txt"_s, u"b.txt"_s});
    for (const auto& [name, day] : {std::pair(u"a.txt"_s, 2), std::pair(u"b.txt"_s, 3)}) {
        const qint64 second = QDateTime(QDate(2025, 8, day), QTime(18, 45)).toSecsSinceEpoch();
        const timespec times[2] = {{second, 0}, {second, 0}};
        ASSERT_EQ(
            ::utimensat(AT_FDCWD, QFile::encodeName(folder.filePath(name)).constData(), times, 0),
            0);
    }
    const auto chooseSource = [&](int index) {
        auto* source = child<QComboBox>(u"datetime_source_cmb"_s);
        source->setCurrentIndex(index);
        Q_EMIT source->activated(index);
    };
    click(u"DateTime_chk"_s);
    fileDates.setOpen(false);
    chooseSource(1);
    // Until its dates are read, a file's stamp is empty; typing goes on meanwhile.
    EXPECT_THAT(newNames(), ElementsAre(u"Image1.txt"_s, u"Image2.txt"_s));
    type(u"new_filename_txt"_s, u"X"_s);
    EXPECT_THAT(newNames(), ElementsAre(u"ImageX1.txt"_s, u"ImageX2.txt"_s));
    fileDates.setOpen(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return newNames().front().startsWith(u"2025"_s); }));
    EXPECT_THAT(newNames(), ElementsAre(u"2025-08-02ImageX1.txt"_s, u"2025-08-03ImageX2.txt"_s));
    EXPECT_EQ(statusPanel(1), MainWindowText::AwaitingJob);

    // Photo taken needs another look at each file; Rename waits for it. Neither tells a moment
    // taken, so the modification time stands in.
    fileDates.setOpen(false);
    chooseSource(2);
    EXPECT_THAT(newNames(), ElementsAre(u"ImageX1.txt"_s, u"ImageX2.txt"_s));
    QTimer::singleShot(100, [&] { fileDates.setOpen(true); });
    action(u"RenameMnu"_s)->trigger();
    EXPECT_EQ(contentOf(u"2025-08-02ImageX1.txt"_s), u"a.txt"_s);
    EXPECT_EQ(contentOf(u"2025-08-03ImageX2.txt"_s), u"b.txt"_s);
    EXPECT_EQ(cell(0, ListColumn::Filename), u"2025-08-02ImageX1.txt"_s);
}

TEST_F(MainWindowTest, AffixControlsFollowTheirPageAscendingAndScrollBars) {
    addFiles({u"a.jpg"_s, u"b.jpg"_s});
    // Padding grows as its scroll bar goes up.
    child<QScrollBar>(u"suffix_no_format_vscr"_s)->setValue(5);
    EXPECT_EQ(child<QLineEdit>(u"suffix_no_format_txt"_s)->text(), u"3"_s);
    EXPECT_THAT(newNames(), ElementsAre(u"Image001.jpg"_s, u"Image002.jpg"_s));
    child<QScrollBar>(u"suffix_no_incr_vscr"_s)->setValue(246);
    EXPECT_EQ(child<QLineEdit>(u"suffix_no_incr_txt"_s)->text(), u"10"_s);
    EXPECT_THAT(newNames(), ElementsAre(u"Image001.jpg"_s, u"Image011.jpg"_s));

    // Without Ascending the suffix is fixed, still padded, and its increment rests.
    click(u"suffix_asc_chk"_s);
    EXPECT_TRUE(child(u"suffix_no_format_txt"_s)->isEnabled());
    EXPECT_FALSE(child(u"suffix_no_incr_vscr"_s)->isEnabled());
    EXPECT_FALSE(child(u"suffix_no_incr_lbl"_s)->isEnabled());
    EXPECT_THAT(newNames(), ElementsAre(u"Image001.jpg"_s, u"Image001.jpg"_s));

    // On the Numeric page the prefix box takes digits only; Ascending becomes available.
    EXPECT_FALSE(child(u"prefix_asc_chk"_s)->isEnabled());
    child<QTabBar>(u"prefix_tab"_s)->setCurrentIndex(0);
    EXPECT_TRUE(child(u"prefix_asc_chk"_s)->isEnabled());
    type(u"prefix_txt"_s, u"a7b"_s);
    EXPECT_EQ(child<QLineEdit>(u"prefix_txt"_s)->text(), u"7"_s);
    EXPECT_THAT(newNames(), ElementsAre(u"7Image001.jpg"_s, u"7Image001.jpg"_s));
}

TEST_F(MainWindowTest, CommandStatesFollowEveryListChange) {
    const auto states = [&] {
        return QList<bool>{
            action(u"RemoveMnu"_s)->isEnabled(),
            action(u"MoveUpMnu"_s)->isEnabled(),
            action(u"RenameMnu"_s)->isEnabled(),
            child(u"renamelst_InvSel_cmd"_s)->isEnabled(),
            child<QToolBar>(u"cToolbar1"_s)->findChild<QAction*>(u"Up"_s)->isEnabled(),
            action(u"MoveToFirstRenameWhatSelPopupMnu"_s)->isEnabled()};
    };
    const QList<bool> none{false, false, false, false, false, false};
    EXPECT_EQ(states(), none);
    EXPECT_EQ(statusPanel(2), u"0 file, 0 selected"_s);

    addFiles({u"a"_s});
    EXPECT_EQ(states(), (QList<bool>{true, false, true, true, false, false}));
    addFiles({u"b"_s, u"c"_s});
    EXPECT_EQ(states(), (QList<bool>{true, true, true, true, true, true}));
    action(u"DeselectAllMnu"_s)->trigger();
    EXPECT_EQ(states(), (QList<bool>{false, false, true, true, false, false}));
    EXPECT_EQ(statusPanel(2), u"3 files, 0 selected"_s);
    click(u"renamelst_InvSel_cmd"_s);
    EXPECT_EQ(statusPanel(2), u"3 files, 3 selected"_s);
    QTest::keyClick(child(u"grdThis"_s), Qt::Key_Delete);
    EXPECT_EQ(states(), none);
    EXPECT_EQ(statusPanel(2), u"0 file, 0 selected"_s);

    // Selecting in the grid is a selection change too.
    addFiles({u"d"_s, u"e"_s});
    child<QTableView>(u"grdThis"_s)->selectAll();
    EXPECT_EQ(statusPanel(2), u"2 files, 2 selected"_s);
    action(u"RemoveAllMnu"_s)->trigger();
    EXPECT_EQ(statusPanel(2), u"0 file, 0 selected"_s);
}

TEST_F(MainWindowTest, MovesAndColumnSortRenumberThePreview) {
    addFiles({u"b.txt"_s, u"a.txt"_s, u"c.txt"_s});
    action(u"MoveLastMnu"_s)->trigger(); // row 0, b, is selected
    EXPECT_EQ(cell(2, ListColumn::Filename), u"b.txt"_s);
    EXPECT_EQ(cell(2, ListColumn::Renout), u"Image3.txt"_s);

    QHeaderView* header = child<QTableView>(u"grdThis"_s)->horizontalHeader();
    Q_EMIT header->sectionClicked(1);
    EXPECT_EQ(cell(0, ListColumn::Filename), u"a.txt"_s);
    EXPECT_EQ(cell(0, ListColumn::Renout), u"Image1.txt"_s);
    Q_EMIT header->sectionClicked(1);
    EXPECT_EQ(cell(0, ListColumn::Filename), u"c.txt"_s);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(MainWindowTest, SettingsCommandsWriteTheStoreAndSetTheirChecks) {
    EXPECT_TRUE(action(u"IncSubdirMnu"_s)->isChecked());
    action(u"ExcSubdirMnu"_s)->trigger();
    EXPECT_FALSE(action(u"IncSubdirMnu"_s)->isChecked());
    EXPECT_TRUE(action(u"ExcSubdirMnu"_s)->isChecked());
    EXPECT_THAT(store.dump().toStdString(), testing::HasSubstr("RecurseDir=RecurseN"));

    dialogs.answerFolder(folder.path());
    action(u"OutputCustomDirMnu"_s)->trigger();
    EXPECT_TRUE(action(u"OutputCustomDirMnu"_s)->isChecked());
    EXPECT_FALSE(action(u"OutputWhereFileIsMnu"_s)->isChecked());
    EXPECT_EQ(action(u"OutputCustomDirMnu"_s)->text(), u"Custom... ("_s + folder.path() + u")"_s);
}

TEST_F(MainWindowTest, BusyModeLocksTheCommandsAndIdleModeRestoresExactlyThem) {
    addFiles({u"a"_s, u"b"_s});
    action(u"DeselectAllMnu"_s)->trigger();
    const auto enabledStates = [&] {
        QList<bool> states;
        for (QAction* each : window->findChildren<QAction*>())
            states << each->isEnabled();
        return states;
    };
    const QList<bool> idle = enabledStates();
    QToolBar* toolbar = child<QToolBar>(u"cToolbar1"_s);

    window->BusyMode();
    EXPECT_FALSE(child<QMenu>(u"FileMnu"_s)->menuAction()->isEnabled());
    EXPECT_FALSE(child<QMenu>(u"ActionMnu"_s)->menuAction()->isEnabled());
    EXPECT_TRUE(child<QMenu>(u"OptionMnu"_s)->menuAction()->isEnabled());
    for (QAction* button : toolbar->actions())
        EXPECT_TRUE(button->isSeparator() || !button->isEnabled()) << qPrintable(button->text());
    EXPECT_EQ(statusPanel(1), MainWindowText::Processing);
    auto* bar = child<QProgressBar>(u"ProgressBar1"_s);
    EXPECT_EQ(bar->parentWidget(), static_cast<QWidget*>(window->statusBar()));
    EXPECT_TRUE(bar->isVisible());

    window->NotBusyMode();
    EXPECT_EQ(enabledStates(), idle);
    EXPECT_FALSE(toolbar->findChild<QAction*>(u"Remove"_s)->isEnabled());
    EXPECT_EQ(statusPanel(1), MainWindowText::AwaitingJob);
    EXPECT_EQ(statusPanel(3), MainWindowText::Idle);
    EXPECT_LT(bar->geometry().right(), 0);

    // The bar moved into the status bar once; a second busy spell only places it again.
    window->BusyMode();
    EXPECT_EQ(bar->parentWidget(), static_cast<QWidget*>(window->statusBar()));
    EXPECT_GT(bar->x(), child(u"StatusPanel3"_s)->x());
    window->NotBusyMode();
}

TEST_F(MainWindowTest, TheStatePictureFillsSixteenPixelsAndIsDrawnTwiceAsFineAboveTheNormalDpi) {
    quillanemainfrm fine(MainWindowServices{files, journal, dialogs, shell, store.registry(),
                                            stamper, fileDates, DisplayProfile{.NormalDpi = false},
                                            PlatformVersion{}, folder.path(), folder.path()});
    fine.load();
    const auto shown = [](const quillanemainfrm& shownBy) {
        return shownBy.findChild<QLabel*>(u"StatusPanel4"_s)->pixmap();
    };
    for (quillanemainfrm* each : {window.get(), &fine}) {
        const QPixmap idle = shown(*each);
        each->BusyMode();
        const QPixmap busy = shown(*each);
        each->NotBusyMode();
        EXPECT_NE(busy.toImage(), idle.toImage());
        EXPECT_EQ(shown(*each).toImage(), idle.toImage());
        for (const QPixmap& picture : {idle, busy}) {
            EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(16, 16));
            EXPECT_EQ(picture.width(), each == &fine ? 32 : 16);
        }
    }
}

TEST_F(MainWindowTest, ATakenNameShowsBeforeTheRunWhichAsksAboutItAndSaysHowItEnded) {
    addFiles({u"one.txt"_s, u"two.txt"_s});
    makeFile(u"Image2.txt"_s);
    EXPECT_EQ(cell(1, ListColumn::Status), QString());
    // Coming back to the window looks at the folders again.
    QEvent activated(QEvent::ActivationChange);
    QApplication::sendEvent(window.get(), &activated);
    const int status = static_cast<int>(ListColumn::Status);
    EXPECT_EQ(cell(1, ListColumn::Status), u"Name taken"_s);
    EXPECT_EQ(window->renameList().headerData(status, Qt::Horizontal).toString(),
              u"Status (1 to check)"_s);
    dialogs.answerMessage(MessageAnswer::No);

    action(u"RenameMnu"_s)->trigger();

    const QList<MessageRequest> asked = dialogs.messages();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].text,
              u"'"_s + folder.filePath(u"Image2.txt"_s) + u"' already exists. Overwrite?"_s);
    EXPECT_EQ(asked[0].buttons, MessageButtons::YesNoToAll);
    EXPECT_TRUE(QFile::exists(folder.filePath(u"Image1.txt"_s)));
    EXPECT_TRUE(QFile::exists(folder.filePath(u"two.txt"_s)));
    EXPECT_EQ(cell(0, ListColumn::Filename), u"Image1.txt"_s);
    EXPECT_EQ(cell(1, ListColumn::Filename), u"two.txt"_s);
    EXPECT_TRUE(child<QMenu>(u"FileMnu"_s)->menuAction()->isEnabled());
    EXPECT_EQ(child<QProgressBar>(u"ProgressBar1"_s)->value(), 0);
    EXPECT_FALSE(child(u"StopRun_cmd"_s)->isVisible());
    EXPECT_TRUE(dialogs.reports().isEmpty());
    EXPECT_EQ(statusPanel(1), u"Renamed 1 of 2 files; 1 skipped"_s);

    action(u"SelectAllMnu"_s)->trigger();
    EXPECT_EQ(statusPanel(1), MainWindowText::AwaitingJob);
}

TEST_F(MainWindowTest, ARunReportsOnceTheNamesThatCannotNameAFile) {
    addFiles({u"one.txt"_s, u"two.txt"_s});
    auto* name = child<QLineEdit>(u"new_filename_txt"_s);
    name->selectAll();
    QApplication::clipboard()->setText(u"a/b"_s);
    name->paste();
    EXPECT_EQ(cell(0, ListColumn::Status), u"Invalid name"_s);

    action(u"RenameMnu"_s)->trigger();

    EXPECT_TRUE(dialogs.messages().isEmpty());
    ASSERT_EQ(dialogs.reports().size(), 1);
    const ReportRequest report = dialogs.reports()[0];
    EXPECT_EQ(report.text, MainWindowText::RunReport);
    ASSERT_EQ(report.lines.size(), 2);
    EXPECT_EQ(report.lines[0], folder.filePath(u"one.txt"_s) +
                                   u": its new name 'a/b1.txt' cannot name a file. The file "
                                   "keeps its name."_s);
    EXPECT_TRUE(QFile::exists(folder.filePath(u"one.txt"_s)));
    EXPECT_EQ(statusPanel(1), u"Renamed 0 of 2 files; 2 skipped"_s);
}

// Swaps, shifts both ways and a cycle of the numbered names, each in one run with no question.
TEST_F(MainWindowTest, RunsCompleteSwapsShiftsAndCyclesWithoutAQuestion) {
    const QList<QStringList> lists{{u"Image2.txt"_s, u"Image1.txt"_s},
                                   {u"Image2.txt"_s, u"Image3.txt"_s, u"Image4.txt"_s},
                                   {u"Image0.txt"_s, u"Image1.txt"_s, u"Image2.txt"_s},
                                   {u"Image3.txt"_s, u"Image1.txt"_s, u"Image2.txt"_s}};
    for (const QStringList& names : lists) {
        action(u"ClearRenameLstMnu"_s)->trigger();
        for (const QString& file : QDir(folder.path()).entryList(QDir::Files))
            QFile::remove(folder.filePath(file));
        addFiles(names);
        action(u"RenameMnu"_s)->trigger();

        EXPECT_TRUE(dialogs.messages().isEmpty()) << names.join(u' ').toStdString();
        for (int row = 0; row < names.size(); ++row) {
            const QString renamed = u"Image%1.txt"_s.arg(row + 1);
            EXPECT_EQ(cell(row, ListColumn::Filename), renamed);
            QFile file(folder.filePath(renamed));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(QString::fromUtf8(file.readAll()), names[row]);
        }
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), names.size());
    }
}

// The bar is drawn only now and then during a run, but a question sees the entries finished.
TEST_F(MainWindowTest, AQuestionDuringARunSeesTheProgressBarUpToDate) {
    addFiles({u"one.txt"_s, u"two.txt"_s, u"three.txt"_s});
    makeFile(u"Image3.txt"_s);
    dialogs.answerMessage(MessageAnswer::No);
    int shown = -1;
    dialogs.whenAsked(
        [&](const MessageRequest&) { shown = child<QProgressBar>(u"ProgressBar1"_s)->value(); });

    action(u"RenameMnu"_s)->trigger();

    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(shown, 1) << "after the second entry";
    EXPECT_EQ(statusPanel(1), u"Renamed 2 of 3 files; 1 skipped"_s);
}

TEST_F(MainWindowTest, EscapeDuringARunStopsItAfterTheEntryInHand) {
    addFiles({u"one.txt"_s, u"two.txt"_s, u"three.txt"_s});
    makeFile(u"Image1.txt"_s);
    dialogs.answerMessage(MessageAnswer::No);
    // Input other than the stop's waits: a key for the name box changes nothing.
    dialogs.whenAsked([this](const MessageRequest&) {
        QTest::keyClick(child(u"new_filename_txt"_s), Qt::Key_X);
        QTest::keyClick(window.get(), Qt::Key_Escape);
    });

    action(u"RenameMnu"_s)->trigger();

    EXPECT_EQ(child<QLineEdit>(u"new_filename_txt"_s)->text(), u"Image"_s);
    EXPECT_EQ(cell(0, ListColumn::Filename), u"one.txt"_s);
    EXPECT_EQ(cell(1, ListColumn::Filename), u"two.txt"_s);
    EXPECT_TRUE(QFile::exists(folder.filePath(u"two.txt"_s)));
    EXPECT_TRUE(QFile::exists(folder.filePath(u"three.txt"_s)));
    EXPECT_EQ(statusPanel(1), u"Renamed 0 of 3 files; 1 skipped; stopped, 2 not reached"_s);
}

TEST_F(MainWindowTest, ClosingDuringARunAsksToStopItAndClosesOnceItHasStopped) {
    addFiles({u"one.txt"_s, u"two.txt"_s});
    makeFile(u"Image1.txt"_s);
    // The stop question comes while the overwrite question is open, so it takes the first answer.
    dialogs.answerMessage(MessageAnswer::Yes);
    dialogs.answerMessage(MessageAnswer::No);
    dialogs.whenAsked([this](const MessageRequest& asked) {
        if (asked.text.endsWith(u"Overwrite?"_s))
            window->close();
    });

    action(u"RenameMnu"_s)->trigger();

    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages()[1].text, MainWindowText::StopRunQuestion);
    EXPECT_EQ(cell(1, ListColumn::Filename), u"two.txt"_s);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, ClosingWhileBusyIsRefusedWhenTheUserGoesOn) {
    dialogs.answerMessage(MessageAnswer::No);
    window->BusyMode();
    window->close();
    EXPECT_TRUE(window->isVisible());
    window->NotBusyMode();
}

TEST_F(MainWindowTest, EveryCaptionFitsItsControlAtTheFirstSize) {
    for (QWidget* control : child(u"form"_s)->findChildren<QWidget*>()) {
        // Picture buttons draw their small picture inside whatever room they have.
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const auto* label = qobject_cast<QLabel*>(control);
        const bool captioned = (button != nullptr && !button->text().isEmpty()) ||
                               (label != nullptr && !label->text().isEmpty()) ||
                               qobject_cast<QTabBar*>(control) != nullptr;
        if (captioned && !control->objectName().isEmpty()) {
            EXPECT_LE(control->sizeHint().width(), control->width())
                << qPrintable(control->objectName());
        }
    }
}

TEST_F(MainWindowTest, GridLinesBoxIsTheStoredSettingAndSwitchesItsDependantsWithoutChangingThem) {
    auto* grid = child<RenameGrid>(u"grdThis"_s);
    const auto dependants = [&] {
        QList<std::pair<bool, bool>> states; // enabled, checked
        for (int element = 3; element <= 5; ++element) {
            auto* box = child<QCheckBox>(u"chkOptions(%1)"_s.arg(element));
            states.append({box->isEnabled(), box->isChecked()});
        }
        return states;
    };
    click(u"chkOptions(3)"_s);
    EXPECT_TRUE(grid->horizontalLinesHidden());
    click(u"chkOptions(2)"_s);
    EXPECT_FALSE(grid->gridLines());
    EXPECT_EQ(dependants(),
              (QList<std::pair<bool, bool>>{{false, false}, {false, true}, {false, false}}));
    click(u"chkOptions(2)"_s);
    EXPECT_TRUE(grid->gridLines());
    EXPECT_EQ(dependants(),
              (QList<std::pair<bool, bool>>{{true, false}, {true, true}, {true, false}}));

    // The box and the menu show one stored setting, which other settings commands leave alone.
    click(u"chkOptions(2)"_s);
    EXPECT_FALSE(action(u"ShowGridMnu"_s)->isChecked());
    EXPECT_THAT(store.dump().toStdString(), testing::HasSubstr("grid=0"));
    action(u"ExcSubdirMnu"_s)->trigger();
    EXPECT_FALSE(grid->gridLines());
    action(u"ShowGridMnu"_s)->trigger();
    EXPECT_TRUE(child<QCheckBox>(u"chkOptions(2)"_s)->isChecked());
    EXPECT_TRUE(grid->gridLines());

    click(u"chkHeader"_s);
    EXPECT_FALSE(grid->horizontalHeader()->isVisibleTo(grid));
    EXPECT_FALSE(child(u"chkHeaderButtons"_s)->isEnabled());
    EXPECT_FALSE(child(u"chkFlatHeader"_s)->isEnabled());
}

TEST_F(MainWindowTest, CustomColoursFillTheTwelveSlotsInOrderAndSwitchBackToTheSystemOnes) {
    auto* grid = child<RenameGrid>(u"grdThis"_s);
    const auto slots = [&] {
        QList<GridColour> colours;
        for (int slot = 1; slot <= GridColourSlotCount; ++slot)
            colours << grid->colour(static_cast<GridColourSlot>(slot));
        return colours;
    };
    EXPECT_EQ(grid->colour(GridColourSlot::AlternateRow), QColor(252, 252, 230));
    click(u"chkCustomColours"_s);
    EXPECT_EQ(slots(), (QList<GridColour>{
                           QColor(86, 35, 87), QColor(72, 29, 73), QColor(150, 97, 153),
                           QColor(150, 97, 153), QColor(155, 122, 158), QColor(110, 46, 112),
                           QColor(135, 102, 138), QColor(220, 202, 222), QColor(196, 170, 126),
                           QColor(72, 29, 73), QColor(135, 102, 138), QColor(220, 202, 222)}));
    EXPECT_EQ(grid->palette().color(QPalette::Base), QColor(72, 29, 73));

    click(u"chkCustomColours"_s);
    const QPalette system = QApplication::palette(grid);
    EXPECT_EQ(grid->colour(GridColourSlot::AlternateRow), std::nullopt);
    EXPECT_FALSE(grid->alternatingRowColors());
    EXPECT_EQ(grid->colour(GridColourSlot::HeaderBackgroundPressed),
              system.color(QPalette::Button));
    EXPECT_EQ(grid->colour(GridColourSlot::Selection), system.color(QPalette::Highlight));

    // Blending takes the focus rectangle away and gives the selection the window's text colour.
    click(u"chkBlendSelection"_s);
    EXPECT_FALSE(grid->focusRectangle());
    EXPECT_EQ(grid->colour(GridColourSlot::SelectionText), system.color(QPalette::Text));
    click(u"chkBlendSelection"_s);
    EXPECT_TRUE(grid->focusRectangle());
    EXPECT_EQ(grid->colour(GridColourSlot::SelectionText), system.color(QPalette::HighlightedText));
}

TEST_F(MainWindowTest, HelpOpensTheManualBesideTheProgramOrSaysItIsMissing) {
    dialogs.answerMessage(MessageAnswer::Ok);
    child<QToolBar>(u"cToolbar1"_s)->findChild<QAction*>(u"Help"_s)->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text,
              u"'"_s + folder.filePath(u"Quillane.html"_s) + u"' was not found!"_s);
    EXPECT_EQ(dialogs.messages()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(shell.opened.isEmpty());

    makeFile(u"Quillane.html"_s);
    action(u"HelpTopicsMnu"_s)->trigger();
    action(u"QuillaneFAQMnu"_s)->trigger();
    EXPECT_EQ(shell.opened, (QStringList{folder.filePath(u"Quillane.html"_s),
                                         u"https://quillane.kestrova.example/faq"_s}));
    EXPECT_EQ(dialogs.messages().size(), 1);
}

TEST_F(MainWindowTest, ToolbarHoverNamesTheButtonAndSeparatorsShowTheIdleText) {
    QToolBar* toolbar = child<QToolBar>(u"cToolbar1"_s);
    const QList<QAction*> positions = toolbar->actions();
    ASSERT_EQ(positions.size(), 14);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(toolbar->widgetForAction(positions[9]), &enter);
    EXPECT_EQ(statusPanel(1), u"Rename file(s)."_s);
    QApplication::sendEvent(toolbar->widgetForAction(positions[5]), &enter);
    EXPECT_EQ(statusPanel(1), MainWindowText::AwaitingJob);
    EXPECT_EQ(positions[9]->toolTip(), u"Rename  files"_s);
}

} // namespace
} // namespace quillane
