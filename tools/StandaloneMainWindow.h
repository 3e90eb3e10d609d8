#pragma once

#include "forms/quillanemainfrm/quillanemainfrm.h"
#include "forms/widgets/DesktopShell.h"
#include "journal/RunJournal.h"
#include "platform/ExifFileDates.h"
#include "platform/PosixFileSystem.h"
#include "platform/QSettingsStore.h"
#include "settings/SettingNames.h"

#include <QTemporaryDir>

namespace quillane {

// A loaded, shown main window with settings of its own in a temporary folder, as on a first
// start with the normal display profile of this host, the shipped files in the source tree
// standing for the program's folder; for tools that look at or time the window.
class StandaloneMainWindow {
public:
    explicit StandaloneMainWindow(Dialogs& dialogs)
        : m_window(MainWindowServices{
              m_files, m_journal, dialogs, m_shell, m_registry, m_stamper, m_fileDates,
              DisplayProfile{.NormalDpi = true, .WidthExtra = 100, .HeightExtra = -50},
              PlatformVersion{}, QStringLiteral(QUILLANE_RESOURCES_DIR),
              QStringLiteral(QUILLANE_RESOURCES_DIR)}) {
        m_window.load();
        m_window.show();
    }

    quillanemainfrm& window() { return m_window; }
    Registry& registry() { return m_registry; }
    FileSystem& files() { return m_files; }
    Shell& shell() { return m_shell; }

private:
    static KeyValueStore& withoutTips(KeyValueStore& store) {
        // With the tip window open, what the tools show or time is no longer the main window.
        if (!store.setString(QString(SettingName::ProgramKey), QString(SettingName::ShowTod),
                             QStringLiteral("0")))
            qFatal("The temporary settings cannot be written");
        return store;
    }

    QTemporaryDir m_home;
    QSettingsStore m_store{QString(SettingName::ProgramKey),
                           m_home.filePath(QStringLiteral("settings.ini"))};
    // The tip window stays shut unless asked for.
    Registry m_registry{withoutTips(m_store)};
    PosixFileSystem m_files;
    RunJournal m_journal{m_home.filePath(QStringLiteral("journal.sqlite3"))};
    DesktopShell m_shell;
    DateTimeStamper m_stamper = DateTimeStamper::system();
    ExifFileDates m_fileDates;
    quillanemainfrm m_window;
};

} // namespace quillane
