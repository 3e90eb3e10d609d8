#include "forms/widgets/WidgetDialogs.h"

#include "gathering/FileFilterSet.h"
#include "tests/CaseName.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

// Runs `act` on the modal window the next call opens, once its event loop is running.
template <typename Window> void whenShown(std::function<void(Window*)> act) {
    QTimer::singleShot(0, [act] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window) {
            ADD_FAILURE() << "no modal window of the expected kind";
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        act(window);
    });
}

enum class Press { Ok, Yes, No, YesToAll, NoToAll, Escape };

struct MessageCase {
    const char* name;
    MessageRequest request;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    Press press;
    MessageAnswer answer;
    friend void PrintTo(const MessageCase& row, std::ostream* os) { *os << row.name; }
};

class WidgetDialogsTest : public testing::Test {
protected:
    WidgetDialogsTest() {
        dialogs.setOwnerWindow(DialogOwner::MainWindow, &mainWindow);
        dialogs.setOwnerWindow(DialogOwner::Preferences, preferences.get());
        // FilterDialog stays unregistered and Preferences is destroyed in the message test.
    }

    QWidget* expectedOwner(DialogOwner owner) {
        return owner == DialogOwner::MainWindow ? &mainWindow : nullptr;
    }

    WidgetDialogs dialogs;
    QWidget mainWindow;
    std::unique_ptr<QWidget> preferences = std::make_unique<QWidget>();
};

class MessageBoxTest : public WidgetDialogsTest, public testing::WithParamInterface<MessageCase> {};

TEST_P(MessageBoxTest, ShowsTheRequestAndReturnsTheAnswer) {
    const MessageCase& row = GetParam();
    preferences.reset();
    whenShown<QMessageBox>([&](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), row.request.title);
        EXPECT_EQ(box->text(), row.request.text);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), row.icon);
        EXPECT_EQ(box->standardButtons(), row.buttons);
        EXPECT_EQ(box->defaultButton(), qobject_cast<QPushButton*>(box->button(row.defaultButton)));
        EXPECT_EQ(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint), row.request.keptOnTop);
        EXPECT_EQ(box->parentWidget(), expectedOwner(row.request.owner));
        if (row.press == Press::Escape) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box, &escape);
            return;
        }
        const auto button = row.press == Press::Ok         ? QMessageBox::Ok
                            : row.press == Press::Yes      ? QMessageBox::Yes
                            : row.press == Press::YesToAll ? QMessageBox::YesToAll
                            : row.press == Press::NoToAll  ? QMessageBox::NoToAll
                                                           : QMessageBox::No;
        box->button(button)->click();
    });
    EXPECT_EQ(dialogs.showMessage(row.request), row.answer);
}

const QMessageBox::StandardButtons YesNo = QMessageBox::Yes | QMessageBox::No;
const QMessageBox::StandardButtons ForAll =
    QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll;

INSTANTIATE_TEST_SUITE_P(
    Requests, MessageBoxTest,
    testing::Values(
        MessageCase{"ExclamationOkOnMainWindow",
                    MessageRequest{u"Kestrova Quillane"_s, u"Already running!"_s},
                    QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, Press::Ok,
                    MessageAnswer::Ok},
        MessageCase{
            "QuestionYesNoDefaultNoEscapeAnswersNo",
            MessageRequest{u"Ask"_s, u"Rename 3 files?"_s, MessageIcon::Question,
                           MessageButtons::YesNo, MessageAnswer::No, true, DialogOwner::MainWindow},
            QMessageBox::Question, YesNo, QMessageBox::No, Press::Escape, MessageAnswer::No},
        MessageCase{"CriticalYesNoDefaultYesClickedYes",
                    MessageRequest{u"Error"_s, u"Go on?"_s, MessageIcon::Critical,
                                   MessageButtons::YesNo, MessageAnswer::Yes, false,
                                   DialogOwner::MainWindow},
                    QMessageBox::Critical, YesNo, QMessageBox::Yes, Press::Yes, MessageAnswer::Yes},
        MessageCase{"MarkupShownVerbatimWithoutOwner",
                    MessageRequest{u"Info"_s, u"<b>a & b</b>.txt"_s, MessageIcon::Information,
                                   MessageButtons::Ok, MessageAnswer::Ok, true,
                                   DialogOwner::FilterDialog},
                    QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, Press::Escape,
                    MessageAnswer::Ok},
        MessageCase{"NoIconDestroyedOwnerClickedNo",
                    MessageRequest{u"Plain"_s, u"Keep?"_s, MessageIcon::None, MessageButtons::YesNo,
                                   MessageAnswer::Yes, false, DialogOwner::Preferences},
                    QMessageBox::NoIcon, YesNo, QMessageBox::Yes, Press::No, MessageAnswer::No},
        MessageCase{"ForAllEscapeAnswersNo",
                    MessageRequest{u"Kestrova Quillane"_s, u"'x' already exists. Overwrite?"_s,
                                   MessageIcon::Exclamation, MessageButtons::YesNoToAll,
                                   MessageAnswer::No, false, DialogOwner::MainWindow},
                    QMessageBox::Warning, ForAll, QMessageBox::No, Press::Escape,
                    MessageAnswer::No},
        MessageCase{"ForAllClickedYesToAll",
                    MessageRequest{u"Kestrova Quillane"_s, u"'x' cannot be found!"_s,
                                   MessageIcon::Exclamation, MessageButtons::YesNoToAll,
                                   MessageAnswer::Yes, false, DialogOwner::MainWindow},
                    QMessageBox::Warning, ForAll, QMessageBox::Yes, Press::YesToAll,
                    MessageAnswer::YesToAll},
        MessageCase{"ForAllClickedNoToAll",
                    MessageRequest{u"Kestrova Quillane"_s, u"'x' already exists. Overwrite?"_s,
                                   MessageIcon::Exclamation, MessageButtons::YesNoToAll,
                                   MessageAnswer::No, false, DialogOwner::MainWindow},
                    QMessageBox::Warning, ForAll, QMessageBox::No, Press::NoToAll,
                    MessageAnswer::NoToAll}),
    CaseName());

TEST_F(WidgetDialogsTest, AReportListsItsLinesUnderItsTextInOneBox) {
    whenShown<QDialog>([&](QDialog* box) {
        EXPECT_EQ(box->objectName(), u"ReportBox"_s);
        EXPECT_EQ(box->windowTitle(), u"Kestrova Quillane"_s);
        EXPECT_EQ(box->parentWidget(), &mainWindow);
        auto* lines = box->findChild<QPlainTextEdit*>(u"ReportLines"_s);
        ASSERT_NE(lines, nullptr);
        EXPECT_TRUE(lines->isReadOnly());
        EXPECT_EQ(lines->toPlainText(), u"/a: why\n\n/b <c>: other"_s);
        box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    dialogs.showReport({u"Kestrova Quillane"_s,
                        u"These files were not renamed as planned:"_s,
                        {u"/a: why"_s, u"/b <c>: other"_s},
                        DialogOwner::MainWindow});
}

TEST_F(WidgetDialogsTest, OpenFilesReturnsTheChosenFullPathsOrNothing) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const QString& name : {u"a.jpg"_s, u"b.jpg"_s}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QStringList filters{u"All Files (*)"_s, u"Jpeg (*.jpg *.jpeg *.jpe)"_s};
    const OpenFilesRequest request{u"Add Files"_s, folder.path(), filters, 1};

    // Types two names as a user picking them would, in the order they are to come back.
    const auto pickThenClose = [](QFileDialog* dialog, bool accept) {
        auto* names = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
        if (!names) {
            ADD_FAILURE() << "no file name box";
            accept = false;
        } else {
            names->setText(u"\"b.jpg\" \"a.jpg\""_s);
        }
        if (accept)
            static_cast<QDialog*>(dialog)->accept(); // public there, and virtual
        else
            dialog->reject();
    };
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), u"Add Files"_s);
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
        EXPECT_EQ(dialog->nameFilters(), filters);
        EXPECT_EQ(dialog->selectedNameFilter(), filters.at(1));
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
        EXPECT_EQ(dialog->parentWidget(), &mainWindow);
        pickThenClose(dialog, true);
    });
    const auto picked = dialogs.openFiles(request);
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->paths,
              QStringList({folder.filePath(u"b.jpg"_s), folder.filePath(u"a.jpg"_s)}));

    whenShown<QFileDialog>([&](QFileDialog* dialog) { pickThenClose(dialog, false); });
    EXPECT_EQ(dialogs.openFiles(request), std::nullopt);
}

TEST_F(WidgetDialogsTest, TheDefaultFiltersOfferFilesAsTheirPatternsMean) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QStringList names{u"Makefile"_s, u"README"_s, u"notes.txt"_s, u"photo.JPG"_s};
    for (const QString& name : names) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QStringList filters = FileFilterSet::defaults().dialogFilters();
    // Whether the dialog lists just these names under the filter, once it has read the folder.
    const auto offers = [&](QFileDialog* dialog, const QString& filter, QStringList expected) {
        dialog->selectNameFilter(filter);
        auto* model = dialog->findChild<QFileSystemModel*>();
        if (!model)
            return testing::AssertionFailure() << "no file system model";
        const QModelIndex root = model->index(folder.path());
        const auto listed = [&] {
            QStringList rows;
            for (int row = 0; row < model->rowCount(root); ++row)
                rows.append(model->index(row, 0, root).data().toString());
            rows.sort();
            return rows;
        };
        expected.sort();
        // The folder is read and filtered in the background, so the list is given time to settle.
        std::ignore = QTest::qWaitFor([&] { return listed() == expected; }, 2000);
        const QStringList shown = listed();
        if (shown != expected)
            return testing::AssertionFailure()
                   << filter.toStdString() << " offers " << shown.join(u", "_s).toStdString();
        return testing::AssertionSuccess();
    };
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_TRUE(offers(dialog, filters.at(0), names));
        EXPECT_TRUE(offers(dialog, filters.at(1), {u"photo.JPG"_s}));
        dialog->reject();
    });
    dialogs.openFiles({u"Add Files"_s, folder.path(), filters, 0});
}

TEST_F(WidgetDialogsTest, BrowseForFolderReturnsTheChosenFolderOrNothing) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const FolderRequest request{u"Pick a folder"_s, DialogOwner::FilterDialog};

    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), u"Pick a folder"_s);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
        EXPECT_TRUE(dialog->testOption(QFileDialog::ShowDirsOnly));
        EXPECT_EQ(dialog->parentWidget(), nullptr);
        dialog->setDirectory(folder.path());
        static_cast<QDialog*>(dialog)->accept(); // public there, and virtual
    });
    EXPECT_EQ(dialogs.browseForFolder(request), QDir(folder.path()).absolutePath());

    whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(dialogs.browseForFolder(request), std::nullopt);
}

} // namespace
} // namespace quillane
