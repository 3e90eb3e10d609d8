// Renders the program's windows into PNG files, for looking at them without a desktop:
//   quillane_screenshots OUTPUT_FOLDER
#include "forms/Preferencesfrm/Preferencesfrm.h"
#include "forms/TechSupportDialog/TechSupportDialog.h"
#include "forms/abtfrm/abtfrm.h"
#include "forms/customfilefilterfrm/customfilefilterfrm.h"
#include "forms/quillanemainfrm/MainWindowTexts.h"
#include "forms/widgets/WidgetDialogs.h"
#include "tools/StandaloneMainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace quillane;
using namespace Qt::StringLiterals;

namespace {

bool save(QWidget& window, const QString& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name);
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// A list a user might have gathered, with a few rules set so the preview shows them working.
void fillExample(quillanemainfrm& window) {
    QList<ListedFile> files;
    for (int i = 1; i <= 24; ++i)
        files.append({u"/home/ada/Pictures/Holiday 2026"_s,
                      u"IMG_%1 (%2).JPG"_s.arg(4100 + i * 7).arg(i % 3 + 1)});
    window.renameList().appendEntries(files);
    window.renameList().selectRow(0);
    window.Refresh_Buttons();
    auto* name = window.findChild<QLineEdit*>(u"new_filename_txt"_s);
    name->clear();
    QTest::keyClicks(name, u"Lisbon "_s);
    QWidget* newExtension = window.findChild<QWidget*>(u"new_ext_chk"_s);
    QTest::mouseClick(newExtension, Qt::LeftButton, {}, QPoint(6, newExtension->height() / 2));
    QTest::keyClicks(window.findChild<QLineEdit*>(u"new_ext_txt"_s), u"jpg"_s);
}

// Real files in a folder of their own, renamed so that the status column has something to say:
// numbers that shift down, a name a file outside the list holds, a file gone since it was added.
void fillWithConflicts(quillanemainfrm& window, const QTemporaryDir& dir) {
    const QStringList names{u"Lisbon 2.jpg"_s, u"Lisbon 3.jpg"_s, u"Lisbon 4.jpg"_s,
                            u"Porto.jpg"_s,    u"tram.jpg"_s,     u"tram.JPG"_s};
    QList<ListedFile> files;
    for (const QString& name : names) {
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
        files.append({dir.path(), name});
    }
    QFile(dir.filePath(u"Lisbon 5.jpg"_s)).open(QIODevice::WriteOnly);
    QFile::remove(dir.filePath(u"tram.JPG"_s));
    window.renameList().clear();
    window.renameList().appendEntries(files);
    window.Refresh_Buttons();
    window.RefreshRenOutputLst();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    WidgetDialogs dialogs;
    StandaloneMainWindow standalone(dialogs);
    quillanemainfrm& window = standalone.window();
    fillExample(window);

    bool saved = save(window, folder, u"main-window.png"_s);
    window.resize(window.size() * 13 / 10);
    saved = save(window, folder, u"main-window-large.png"_s) && saved;
    QAction* gridOptions = window.findChild<QAction*>(u"GridOptionsMnu"_s);
    gridOptions->trigger();
    saved = save(window, folder, u"grid-appearance.png"_s) && saved;
    gridOptions->trigger();
    window.resize(window.size() * 10 / 13);

    const QTemporaryDir conflicts;
    fillWithConflicts(window, conflicts);
    saved = save(window, folder, u"main-window-statuses.png"_s) && saved;
    window.BusyMode();
    saved = save(window, folder, u"main-window-busy.png"_s) && saved;
    window.NotBusyMode();
    // The report is modal: it is drawn and closed from the event loop it runs.
    QTimer::singleShot(0, [&] {
        QWidget* report = QApplication::activeModalWidget();
        saved = report != nullptr && save(*report, folder, u"run-report.png"_s) && saved;
        if (report != nullptr)
            report->close();
    });
    dialogs.showReport({ApplicationTitle,
                        MainWindowText::RunReport,
                        {conflicts.filePath(u"tram.JPG"_s) + u": could not be renamed to '"_s +
                             conflicts.filePath(u"Lisbon 6.jpg"_s) +
                             u"': No such file or directory. The file keeps its name."_s,
                         conflicts.filePath(u"notes/a.txt"_s) +
                             u": could not be renamed to 'a/b.txt': Permission denied. The file "
                             "keeps its name."_s},
                        DialogOwner::MainWindow});

    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        saved = box != nullptr && save(*box, folder, u"unfinished-run.png"_s) && saved;
        if (box != nullptr)
            box->close();
    });
    (void)dialogs.choose(
        {ApplicationTitle,
         QString(MainWindowText::UnfinishedRun).arg(u"6 Dec 2026 21:40"_s).arg(26),
         {u"'"_s + conflicts.filePath(u"ren3F2A1.tmp"_s) + u"' stays: its old name '"_s +
          conflicts.filePath(u"tram.JPG"_s) + u"' is taken now."_s},
         {MainWindowText::FinishTheRun, MainWindowText::PutThemBack, MainWindowText::NotNow},
         0,
         2,
         MessageIcon::Exclamation,
         DialogOwner::MainWindow});

    Preferencesfrm preferences(window.settings(), window.fileFilters(), dialogs, &dialogs, &window);
    preferences.show();
    preferences.NextCmd_Click();
    saved = save(preferences, folder, u"preferences.png"_s) && saved;
    customfilefilterfrm filterDialog(window.fileFilters(), dialogs, &dialogs, &preferences);
    filterDialog.show();
    saved = save(filterDialog, folder, u"custom-file-filter.png"_s) && saved;

    window.TODMnu_Click();
    QWidget* tips = window.findChild<QWidget*>(u"Tipfrm"_s);
    saved = tips != nullptr && save(*tips, folder, u"tip-of-the-day.png"_s) && saved;

    const AboutIcons icons =
        prepareAboutIcons(QStringLiteral(QUILLANE_RESOURCES_DIR),
                          QApplication::palette().color(QPalette::Window), dialogs);
    abtfrm about(icons, standalone.shell(), standalone.registry(), standalone.files(), dialogs,
                 &window);
    about.show();
    saved = save(about, folder, u"about.png"_s) && saved;
    TechSupportDialog support(standalone.shell(), &window);
    support.show();
    saved = save(support, folder, u"technical-support.png"_s) && saved;
    return saved ? 0 : 1;
}
