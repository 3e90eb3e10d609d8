#include "startup/HelpAndSupport.h"

#include "platform/HelpFileName.h"
#include "platform/PathText.h"

namespace quillane {

using namespace Qt::StringLiterals;

void OpenHelpFile(const QString& AppDir, FileSystem& files, Shell& shell, Dialogs& dialogs) {
    const QString path = pathIn(AppDir, helpFileName());
    // Only a missing manual is the user's business; a desktop without a viewer stays silent.
    if (!files.exists(path)) {
        dialogs.showMessage({ApplicationTitle, u"'"_s + path + u"' was not found!"_s,
                             MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok, false,
                             DialogOwner::MainWindow});
        return;
    }
    shell.open(path);
}

void OpenWebPage(Shell& shell, QLatin1StringView address) {
    shell.open(address);
}

void OpenMail(Shell& shell, QLatin1StringView address) {
    shell.open(u"mailto:"_s + address);
}

void StartSysInfo(const Registry& registry, FileSystem& files, Shell& shell, Dialogs& dialogs) {
    const QString tool = registry.GetString(
        RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s);
    if (!tool.isEmpty()) {
        shell.startProgram(tool);
        return;
    }
    const QString folder = registry.GetString(
        RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools Location"_s, u"MSINFO"_s);
    if (!folder.isEmpty() && files.exists(pathIn(folder, u"MSINFO32.EXE"_s))) {
        shell.startProgram(pathIn(folder, u"MSINFO32.EXE"_s));
        return;
    }
    dialogs.showMessage({ApplicationTitle, u"System Information Is Unavailable At This Time"_s,
                         MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok, true,
                         DialogOwner::MainWindow});
}

} // namespace quillane
