#pragma once

#include "forms/quillanemainfrm/quillanemainfrm.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/SystemQueries.h"
#include "rules/DateTimeStamper.h"
#include "settings/Registry.h"
#include "startup/StartupChecks.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace quillane {

// What start-up works with; all of it outlives the start-up object.
struct StartupServices {
    SystemQueries& system;
    Dialogs& dialogs;
    Shell& shell;
    FileSystem& files;
    RunJournal& journal;
    Registry& registry;
    const DateTimeStamper& stamper;
    const FileDatesSource& fileDates;
    QString executableFolder;
    qint32 screenDpi = 96;
    DialogOwners* owners = nullptr;
    // Files and folders named on the command line, absolute.
    QStringList paths;
};

// The program's start: the one-time checks, then the main window. It stays alive, unseen, until
// the program ends, keeping what the other windows take from it.
class agreefrm {
public:
    explicit agreefrm(StartupServices services);
    ~agreefrm();

    // Runs the checks and shows the main window; false when an earlier copy of the program runs
    // and this one must end at once.
    bool load();

    const QString& AppDir() const { return m_appDir; }
    const QString& shippedDir() const { return m_shippedDir; }
    const DisplayProfile& displayProfile() const { return m_profile; }
    const AboutIcons& aboutIcons() const { return m_aboutIcons; }
    quillanemainfrm* mainWindow() const { return m_mainWindow.get(); }

private:
    StartupServices m_services;
    QString m_appDir;
    QString m_shippedDir;
    DisplayProfile m_profile;
    AboutIcons m_aboutIcons;
    std::unique_ptr<quillanemainfrm> m_mainWindow;
};

} // namespace quillane
