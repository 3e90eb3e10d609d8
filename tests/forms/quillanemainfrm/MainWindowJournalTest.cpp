#include "forms/quillanemainfrm/MainWindowTexts.h"
#include "tests/forms/quillanemainfrm/MainWindowFixture.h"
#include "tests/journal/CrashingFileSystem.h"

#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

class MainWindowJournalTest : public MainWindowFixture {};

TEST_F(MainWindowJournalTest, UndoTakesBackTheLastRunsOneByOneAndTheRowsFollow) {
    QAction* undo = action(u"UndoRenameMnu"_s);
    EXPECT_EQ(undo->text(), u"&Undo Last Rename"_s);
    EXPECT_EQ(undo->shortcut(), QKeySequence(u"Ctrl+Z"_s));
    EXPECT_FALSE(undo->isEnabled());
    // The default rules number them: a swap.
    addFiles({u"Image2.txt"_s, u"Image1.txt"_s});
    action(u"RenameMnu"_s)->trigger();
    ASSERT_EQ(contentOf(u"Image1.txt"_s), u"Image2.txt"_s);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(undo->statusTip().startsWith(u"Undo renaming 2 files of "_s))
        << qPrintable(undo->statusTip());
    // A second run, into other names.
    auto* name = child<QLineEdit>(u"new_filename_txt"_s);
    name->setText(u"Photo"_s);
    action(u"RenameMnu"_s)->trigger();
    ASSERT_EQ(contentOf(u"Photo1.txt"_s), u"Image2.txt"_s);

    QTest::keyClick(child<QTableView>(u"grdThis"_s), Qt::Key_Z, Qt::ControlModifier);

    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(contentOf(u"Image1.txt"_s), u"Image2.txt"_s);
    EXPECT_EQ(cell(0, ListColumn::Filename), u"Image1.txt"_s);
    EXPECT_EQ(statusPanel(1), u"Renamed back 2 of 2 files"_s);
    EXPECT_TRUE(undo->isEnabled());

    undo->trigger();
    EXPECT_EQ(contentOf(u"Image1.txt"_s), u"Image1.txt"_s);
    EXPECT_EQ(contentOf(u"Image2.txt"_s), u"Image2.txt"_s);
    EXPECT_EQ(cell(0, ListColumn::Filename), u"Image2.txt"_s);
    EXPECT_EQ(cell(1, ListColumn::Filename), u"Image1.txt"_s);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(dialogs.reports().isEmpty());
}

TEST_F(MainWindowJournalTest, CtrlZInATextBoxUndoesTheTypingNotTheRun) {
    addFiles({u"a.txt"_s});
    action(u"RenameMnu"_s)->trigger();
    ASSERT_EQ(contentOf(u"Image1.txt"_s), u"a.txt"_s);
    auto* name = child<QLineEdit>(u"new_filename_txt"_s);
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, u"X"_s);
    ASSERT_EQ(name->text(), u"ImageX"_s);

    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);

    EXPECT_EQ(name->text(), u"Image"_s);
    EXPECT_EQ(contentOf(u"Image1.txt"_s), u"a.txt"_s);
    EXPECT_TRUE(action(u"UndoRenameMnu"_s)->isEnabled());
}

TEST_F(MainWindowJournalTest, UndoTellsOnceOfAFileThatIsNoLongerWhereTheRunPutIt) {
    addFiles({u"a.txt"_s, u"b.txt"_s});
    action(u"RenameMnu"_s)->trigger();
    ASSERT_TRUE(QFile::rename(folder.filePath(u"Image1.txt"_s), folder.filePath(u"away.txt"_s)));

    action(u"UndoRenameMnu"_s)->trigger();

    EXPECT_EQ(contentOf(u"b.txt"_s), u"b.txt"_s);
    EXPECT_EQ(contentOf(u"away.txt"_s), u"a.txt"_s);
    ASSERT_EQ(dialogs.reports().size(), 1);
    ASSERT_EQ(dialogs.reports()[0].lines.size(), 1);
    EXPECT_TRUE(dialogs.reports()[0].lines[0].startsWith(folder.filePath(u"Image1.txt"_s)));
    EXPECT_EQ(statusPanel(1), u"Renamed back 1 of 1 file"_s);
}

// A run that crashed after its first file reached its temporary name, as the next start finds
// it.
class RecoveryAtStartTest : public MainWindowJournalTest {
protected:
    void crashARun() {
        makeFile(u"a.txt"_s);
        makeFile(u"c.txt"_s);
        RenameList list;
        list.append(folder.path(), u"a.txt"_s);
        list.append(folder.path(), u"c.txt"_s);
        list.setCell(0, ListColumn::Renout, u"b.txt"_s);
        list.setCell(1, ListColumn::Renout, u"d.txt"_s);
        // The first file moves to its temporary name, and the crash comes at the next change.
        CrashingFileSystem crashing(files, 2);
        const std::unique_ptr<RunRecorder> recorder =
            journal.recordRun(RunKind::Rename, 0, std::nullopt);
        EXPECT_THROW(RenameRun(list, crashing, dialogs, {}, {}, recorder.get()).run(), Crash);
    }
    QStringList namesOnDisk() const { return QDir(folder.path()).entryList(QDir::Files); }
};

TEST_F(RecoveryAtStartTest, TheBoxOffersToFinishOrPutBackAndNoWaitsForTheNextStart) {
    crashARun();
    ASSERT_EQ(namesOnDisk().size(), 2);
    ASSERT_FALSE(namesOnDisk().contains(u"a.txt"_s));
    dialogs.answerChoice(2);

    window->showStartupBoxes();

    ASSERT_EQ(dialogs.choices().size(), 1);
    const ChoiceRequest asked = dialogs.choices()[0];
    EXPECT_TRUE(asked.text.startsWith(u"The last rename run did not finish (started "_s));
    EXPECT_TRUE(asked.text.endsWith(u"). 1 files are still under temporary names."_s));
    EXPECT_EQ(asked.buttons, QStringList({u"Finish the Run"_s, u"Put Them Back"_s, u"No"_s}));
    EXPECT_EQ(asked.escapeButton, 2);
    EXPECT_TRUE(asked.lines.isEmpty());
    EXPECT_TRUE(journal.openRun().has_value());

    dialogs.answerChoice(0);
    window->showStartupBoxes();
    EXPECT_EQ(namesOnDisk(), QStringList({u"b.txt"_s, u"d.txt"_s}));
    EXPECT_EQ(contentOf(u"b.txt"_s), u"a.txt"_s);
    EXPECT_FALSE(journal.openRun().has_value());
    EXPECT_EQ(statusPanel(1), u"Finished renaming 2 of 2 files"_s);
    EXPECT_TRUE(action(u"UndoRenameMnu"_s)->isEnabled());
}

TEST_F(RecoveryAtStartTest, PutThemBackReturnsTheFileAndTheRunIsClosed) {
    crashARun();
    dialogs.answerChoice(1);

    window->showStartupBoxes();

    EXPECT_EQ(namesOnDisk(), QStringList({u"a.txt"_s, u"c.txt"_s}));
    EXPECT_EQ(contentOf(u"a.txt"_s), u"a.txt"_s);
    EXPECT_FALSE(journal.openRun().has_value());
    EXPECT_EQ(statusPanel(1), u"Put back 1 of 1 file"_s);
    EXPECT_FALSE(action(u"UndoRenameMnu"_s)->isEnabled());
    window->showStartupBoxes();
    EXPECT_EQ(dialogs.choices().size(), 1) << "asked once";
}

} // namespace
} // namespace quillane
