#include "startup/StartupChecks.h"

#include "icons/LoadOpenFileICO.h"
#include "platform/PathText.h"

using namespace Qt::StringLiterals;

namespace quillane {

bool refuseSecondInstance(SystemQueries& system, Dialogs& dialogs, const QStringList& paths) {
    if (!system.earlierInstanceRunning())
        return false;
    if (!paths.isEmpty() && system.handPathsToEarlierInstance(paths))
        return true;
    dialogs.showMessage({ApplicationTitle, u"This program is already running!"_s,
                         MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok, false,
                         DialogOwner::MainWindow});
    return true;
}

AboutIcons prepareAboutIcons(const QString& AppDir, QColor background, Dialogs& dialogs) {
    AboutIcons icons;
    icons.product = LoadOpenFileICO(pathIn(AppDir, u"Quillane.ir"_s), background, dialogs);
    if (icons.product)
        icons.mail = LoadOpenFileICO(pathIn(AppDir, u"Amail.ir"_s), background, dialogs);
    return icons;
}

} // namespace quillane
