#pragma once

#include "forms/quillanemainfrm/quillanemainfrm.h"
#include "journal/RunJournal.h"
#include "platform/ExifFileDates.h"
#include "platform/PosixFileSystem.h"
#include "tests/QtPrinters.h"
#include "tests/rules/FixedClock.h"
#include "tests/settings/IniStore.h"
#include "tests/support/GatedFileDates.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace quillane {

// The main window over real files in a temporary folder, with scripted dialogs, a fixed clock and
// no tip window (it has its own tests), shown as a user first sees it.
class MainWindowFixture : public testing::Test {
public:
    void SetUp() override { open(); }

    // A window anew over the same store, files and journal, as at the next start.
    void open() {
        window.reset();
        window = std::make_unique<quillanemainfrm>(MainWindowServices{
            files, journal, dialogs, shell, store.registry(), stamper, fileDates,
            DisplayProfile{.NormalDpi = true, .WidthExtra = 100, .HeightExtra = -50},
            PlatformVersion{}, folder.path(), folder.path()});
        window->load();
        window->show();
    }

    template <typename Widget = QWidget> Widget* child(const QString& name) const {
        auto* found = window->findChild<Widget*>(name);
        EXPECT_NE(found, nullptr) << qPrintable(name);
        return found;
    }
    QAction* action(const QString& name) const { return child<QAction>(name); }
    void type(const QString& box, const QString& text) {
        QTest::keyClicks(child<QLineEdit>(box), text);
    }
    // Clicks near the left edge, where a check box's box is.
    void click(const QString& name) {
        QWidget* target = child(name);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
    }
    QStringList newNames() const {
        QStringList names;
        for (int row = 0; row < window->renameList().rowCount(); ++row)
            names << cell(row, ListColumn::Renout);
        return names;
    }
    QString cell(int row, ListColumn column) const {
        return window->renameList().list().cell(row, column);
    }
    QString statusPanel(int panel) const {
        return child<QLabel>(QStringLiteral("StatusPanel%1").arg(panel))->text();
    }
    // The file's content, or nothing when it is not there.
    QString contentOf(const QString& name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // A file in the folder holding its own name.
    QString makeFile(const QString& name) const {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name.toUtf8());
        return file.fileName();
    }

    // Adds the files through the add-files command, as picked in the dialog.
    void addFiles(const QStringList& names) {
        QStringList paths;
        for (const QString& name : names)
            paths << makeFile(name);
        dialogs.answerOpenFiles(OpenFilesResult{paths});
        action(QStringLiteral("AddMnu"))->trigger();
    }

    QTemporaryDir folder;
    IniStore store{"[General]\nShowTod=0\n"};
    ScriptedDialogs dialogs;
    RecordingShell shell;
    PosixFileSystem files;
    QTemporaryDir stateFolder;
    RunJournal journal{stateFolder.filePath(QStringLiteral("journal.sqlite3"))};
    FixedClock clock{{QDate(2026, 12, 6), QTime(10, 30, 0)}};
    DateTimeStamper stamper{clock, TimeNotation{}};
    ExifFileDates exifDates;
    GatedFileDates fileDates{exifDates};
    std::unique_ptr<quillanemainfrm> window;
};

} // namespace quillane
