#pragma once

#include "platform/Dialogs.h"
#include "platform/SystemQueries.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillane {

// True when an earlier copy of the program runs: it has taken `paths`, or, when there are none or
// it did not take them, the user has been told; this copy ends at once without showing or
// writing anything.
bool refuseSecondInstance(SystemQueries& system, Dialogs& dialogs, const QStringList& paths = {});

struct AboutIcons {
    std::optional<QImage> product;
    std::optional<QImage> mail;
};

// The about box's pictures on its background: the product icon, and only after it the mail icon.
AboutIcons prepareAboutIcons(const QString& AppDir, QColor background, Dialogs& dialogs);

} // namespace quillane
