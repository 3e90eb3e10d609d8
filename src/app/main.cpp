#include "forms/agreefrm/agreefrm.h"
#include "forms/widgets/DesktopShell.h"
#include "forms/widgets/WidgetDialogs.h"
#include "journal/RunJournal.h"
#include "platform/ExifFileDates.h"
#include "platform/FreedMemory.h"
#include "platform/HostSystemQueries.h"
#include "platform/PosixFileSystem.h"
#include "platform/QSettingsStore.h"
#include "settings/SettingNames.h"
#include "startup/CommandLine.h"
#include "startup/ProgramVersion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>

#include <span>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (const char* argument : std::span(argv, static_cast<std::size_t>(argc)))
        arguments.append(QString::fromLocal8Bit(argument));
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    using namespace quillane;
    QCoreApplication::setOrganizationName(QStringLiteral("Kestrova"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillane"));
    QCoreApplication::setApplicationVersion(ProgramVersion);
    QCommandLineParser commandLine;
    describeCommandLine(commandLine);
    // The help and the version are for a terminal, which may have no display to open.
    if (asksOnlyForText(argumentsOf(argc, argv))) {
        const QCoreApplication console(argc, argv);
        commandLine.process(console);
        return 0;
    }
    keepFreedMemory();
    QApplication application(argc, argv);
    // Desktops match the windows to the program's menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.kestrova.Quillane"));
    commandLine.process(application);

    WidgetDialogs dialogs;
    DesktopShell shell;
    PosixFileSystem files;
    RunJournal journal(RunJournal::defaultPath());
    HostSystemQueries system;
    QSettingsStore store(SettingName::ProgramKey);
    Registry registry(store);
    const DateTimeStamper stamper = DateTimeStamper::system();
    const ExifFileDates fileDates;
    const QScreen* screen = QGuiApplication::primaryScreen();

    agreefrm startup({system, dialogs, shell, files, journal, registry, stamper, fileDates,
                      QCoreApplication::applicationDirPath(),
                      screen != nullptr ? qRound(screen->logicalDotsPerInchX()) : 96, &dialogs,
                      pathsFromCommandLine(commandLine, QDir::currentPath())});
    if (!startup.load())
        return 0;
    return QApplication::exec();
}
