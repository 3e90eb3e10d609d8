#include "tests/CaseName.h"
#include "tests/forms/quillanemainfrm/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

#include <memory>

namespace quillane {
namespace {

using namespace Qt::StringLiterals;

// The window as a user types into it: five files listed, the middle one selected, the focus in
// the new-name box with the cursor inside its text.
class WindowShortcutTest : public MainWindowFixture {
public:
    void SetUp() override {
        MainWindowFixture::SetUp();
        // Window shortcuts only fire in the active window, and a bare X server activates none.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

        addFiles({u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});
        child<QAction>(u"DeselectAllMnu"_s)->trigger();
        child<QTableView>(u"grdThis"_s)->selectRow(2);
        ASSERT_EQ(rows(), u"a, b, [c], d, e"_s);
        box = child<QLineEdit>(u"new_filename_txt"_s);
        box->setText(u"Trip"_s);
        box->setCursorPosition(2);
        box->setFocus();
        ASSERT_TRUE(box->hasFocus());
    }

    // The list as names, the selected ones in brackets.
    QString rows() const {
        const RenameList& list = window->renameList().list();
        QStringList shown;
        for (qint32 row = 0; row < list.count(); ++row) {
            const QString name = list.cell(row, ListColumn::Filename);
            shown << (list.at(row).selected ? u"["_s + name + u"]"_s : name);
        }
        return shown.join(u", "_s);
    }

    static void press(QWidget* target, QKeyCombination key) {
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }

    QLineEdit* box = nullptr;
    QString modalShown;
};

struct ShortcutCase {
    const char* name;
    QKeyCombination key;
    void (*arrange)(WindowShortcutTest&);
    QString (*observe)(WindowShortcutTest&);
    QString expected;

    friend void PrintTo(const ShortcutCase& row, std::ostream* os) { *os << row.name; }
};

class WindowShortcutCaseTest : public WindowShortcutTest,
                               public testing::WithParamInterface<ShortcutCase> {};

TEST_P(WindowShortcutCaseTest, RunsTheCommandAndLeavesTheBoxAsItWas) {
    const ShortcutCase& c = GetParam();
    c.arrange(*this);
    ASSERT_NE(c.observe(*this), c.expected);

    press(box, c.key);

    EXPECT_EQ(c.observe(*this), c.expected);
    EXPECT_EQ(box->text(), u"Trip"_s);
    EXPECT_EQ(box->cursorPosition(), 2);
    EXPECT_FALSE(box->hasSelectedText());
}

void nothing(WindowShortcutTest&) {}

void pickOneMoreFile(WindowShortcutTest& test) {
    test.dialogs.answerOpenFiles(OpenFilesResult{{test.makeFile(u"f"_s)}});
}

void pickAFolderWithOneFile(WindowShortcutTest& test) {
    QDir(test.folder.path()).mkdir(u"more"_s);
    test.makeFile(u"more/g"_s);
    test.dialogs.answerFolder(test.folder.filePath(u"more"_s));
}

void closeTheNextModalWindow(WindowShortcutTest& test) {
    // Runs once the dialog's own event loop does; tied to the window so that it never outlives
    // the test.
    QTimer::singleShot(0, test.window.get(), [&test] {
        if (QWidget* shown = QApplication::activeModalWidget()) {
            test.modalShown = shown->objectName();
            shown->close();
        }
    });
}

void placeTheManual(WindowShortcutTest& test) {
    test.makeFile(u"Quillane.html"_s);
}

QString listRows(WindowShortcutTest& test) {
    return test.rows();
}

QString windowState(WindowShortcutTest& test) {
    return test.window->isVisible() ? u"open"_s : u"closed"_s;
}

QString modalWindow(WindowShortcutTest& test) {
    return test.modalShown;
}

QString openedDocuments(WindowShortcutTest& test) {
    QStringList names;
    for (const QString& path : test.shell.opened)
        names << QFileInfo(path).fileName();
    return names.join(u", "_s);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, WindowShortcutCaseTest,
    testing::Values(
        ShortcutCase{"Add", Qt::CTRL | Qt::Key_D, pickOneMoreFile, listRows,
                     u"a, b, [c], d, e, f"_s},
        ShortcutCase{"AddDirectory", Qt::CTRL | Qt::Key_Y, pickAFolderWithOneFile, listRows,
                     u"a, b, [c], d, e, g"_s},
        ShortcutCase{"RemoveAll", Qt::CTRL | Qt::Key_J, nothing, listRows, u""_s},
        ShortcutCase{"Rename", Qt::CTRL | Qt::Key_R, nothing, listRows,
                     u"Trip1, Trip2, [Trip3], Trip4, Trip5"_s},
        ShortcutCase{"MoveUp", Qt::CTRL | Qt::Key_U, nothing, listRows, u"a, [c], b, d, e"_s},
        ShortcutCase{"MoveDown", Qt::CTRL | Qt::Key_N, nothing, listRows, u"a, b, d, [c], e"_s},
        ShortcutCase{"MoveToFirst", Qt::CTRL | Qt::Key_F, nothing, listRows, u"[c], a, b, d, e"_s},
        ShortcutCase{"MoveToLast", Qt::CTRL | Qt::Key_L, nothing, listRows, u"a, b, d, e, [c]"_s},
        ShortcutCase{"DeselectAll", Qt::CTRL | Qt::Key_E, nothing, listRows, u"a, b, c, d, e"_s},
        ShortcutCase{"InverseSelect", Qt::CTRL | Qt::Key_I, nothing, listRows,
                     u"[a], [b], c, [d], [e]"_s},
        ShortcutCase{"Exit", Qt::CTRL | Qt::Key_Q, nothing, windowState, u"closed"_s},
        ShortcutCase{"Preferences", Qt::CTRL | Qt::Key_K, closeTheNextModalWindow, modalWindow,
                     u"Preferencesfrm"_s},
        ShortcutCase{"HelpTopics", Qt::Key_F1, placeTheManual, openedDocuments,
                     u"Quillane.html"_s}),
    CaseName());

TEST_F(WindowShortcutTest, SelectAllInATextBoxSelectsItsTextNotTheList) {
    press(box, Qt::CTRL | Qt::Key_A);

    EXPECT_EQ(box->selectedText(), u"Trip"_s);
    EXPECT_EQ(rows(), u"a, b, [c], d, e"_s);
}

TEST_F(WindowShortcutTest, AKeyWhoseCommandIsOffStillLeavesTheBoxAlone) {
    child<QAction>(u"DeselectAllMnu"_s)->trigger();
    ASSERT_FALSE(child<QAction>(u"MoveUpMnu"_s)->isEnabled());

    press(box, Qt::CTRL | Qt::Key_U);

    EXPECT_EQ(rows(), u"a, b, c, d, e"_s);
    EXPECT_EQ(box->text(), u"Trip"_s);
    EXPECT_EQ(box->cursorPosition(), 2);
}

TEST_F(WindowShortcutTest, EveryTextBoxOfTheWindowLeavesTheWindowKeysToTheCommands) {
    // The boxes these switches disable cannot take the focus.
    for (const QString& name : {u"new_ext_chk"_s, u"Replace_chk"_s})
        child<QCheckBox>(name)->click();
    int visited = 0;
    for (QLineEdit* each : window->findChildren<QLineEdit*>()) {
        if (!each->isEnabled())
            continue;
        each->setText(u"12"_s);
        each->setCursorPosition(each->text().size() > 1 ? 1 : 0);
        const QString text = each->text();
        const int cursor = each->cursorPosition();
        each->setFocus();
        ASSERT_TRUE(each->hasFocus()) << qPrintable(each->objectName());

        press(each, Qt::CTRL | Qt::Key_E);
        EXPECT_EQ(window->renameList().list().selectedCount(), 0) << qPrintable(each->objectName());
        press(each, Qt::CTRL | Qt::Key_I);
        EXPECT_EQ(window->renameList().list().selectedCount(), 5) << qPrintable(each->objectName());
        dialogs.answerFolder(std::nullopt);
        press(each, Qt::CTRL | Qt::Key_Y);
        EXPECT_EQ(dialogs.requests().size(), 2 + visited) << qPrintable(each->objectName());

        EXPECT_EQ(each->text(), text) << qPrintable(each->objectName());
        EXPECT_EQ(each->cursorPosition(), cursor) << qPrintable(each->objectName());
        ++visited;
    }
    EXPECT_GE(visited, 8);
}

} // namespace
} // namespace quillane
