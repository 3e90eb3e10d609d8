#include "forms/agreefrm/agreefrm.h"

#include "startup/Manifest.h"
#include "startup/ShippedFiles.h"

#include <QApplication>
#include <QIcon>

namespace quillane {

using namespace Qt::StringLiterals;

agreefrm::agreefrm(StartupServices services) : m_services(std::move(services)) {}

agreefrm::~agreefrm() = default;

bool agreefrm::load() {
    QApplication::setWindowIcon(QIcon(u":/AAA.ico"_s));
    if (refuseSecondInstance(m_services.system, m_services.dialogs, m_services.paths))
        return false;
    m_appDir = appDirFrom(m_services.executableFolder);
    m_shippedDir = shippedFilesFolder(m_appDir, m_services.files);
    m_profile = computeDisplayProfile(
        readDisplaySettings(m_services.registry, m_services.system, m_services.screenDpi),
        [this] { return SaveManifest(m_appDir, m_services.files); });

    m_mainWindow = std::make_unique<quillanemainfrm>(MainWindowServices{
        m_services.files, m_services.journal, m_services.dialogs, m_services.shell,
        m_services.registry, m_services.stamper, m_services.fileDates, m_profile,
        m_services.system.platformVersion(), m_appDir, m_shippedDir, m_services.owners});
    m_mainWindow->load();
    // As early as there is a window to take them, so that a start close after this one finds it.
    m_services.system.takePathsFromLaterStarts(
        [window = m_mainWindow.get()](const QStringList& paths) {
            window->takeHandedPaths(paths);
        });
    m_mainWindow->show();

    m_aboutIcons = prepareAboutIcons(m_shippedDir, QApplication::palette().color(QPalette::Window),
                                     m_services.dialogs);
    m_mainWindow->setAboutIcons(m_aboutIcons);
    m_mainWindow->showStartupBoxes();
    // After any recovery, so that the list holds the files under the names they have now.
    if (!m_services.paths.isEmpty())
        m_mainWindow->addPaths(m_services.paths);
    return true;
}

} // namespace quillane
