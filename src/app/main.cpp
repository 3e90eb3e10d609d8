#include "forms/agreefrm/agreefrm.h"
#include "forms/widgets/DesktopShell.h"
#include "forms/widgets/WidgetDialogs.h"
#include "journal/RunJournal.h"
#include "platform/HostSystemQueries.h"
#include "platform/PosixFileSystem.h"
#include "platform/QSettingsStore.h"
#include "settings/SettingNames.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    using namespace quillane;
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kestrova"));
    QApplication::setApplicationName(QStringLiteral("Quillane"));

    WidgetDialogs dialogs;
    DesktopShell shell;
    PosixFileSystem files;
    RunJournal journal(RunJournal::defaultPath());
    HostSystemQueries system;
    QSettingsStore store(SettingName::ProgramKey);
    Registry registry(store);
    const DateTimeStamper stamper = DateTimeStamper::system();
    const QScreen* screen = QGuiApplication::primaryScreen();

    agreefrm startup({system, dialogs, shell, files, journal, registry, stamper,
                      QCoreApplication::applicationDirPath(),
                      screen != nullptr ? qRound(screen->logicalDotsPerInchX()) : 96, &dialogs});
    if (!startup.load())
        return 0;
    return QApplication::exec();
}
