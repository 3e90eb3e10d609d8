#pragma once

#include "platform/Dialogs.h"
#include "platform/SystemQueries.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <optional>

namespace quillane {

// True when an earlier copy of the program runs: the user has been told, and this copy ends at
// once without showing or writing anything.
bool refuseSecondInstance(SystemQueries& system, Dialogs& dialogs);

struct AboutIcons {
    std::optional<QImage> product;
    std::optional<QImage> mail;
};

// The about box's pictures on its background: the product icon, and only after it the mail icon.
AboutIcons prepareAboutIcons(const QString& AppDir, QColor background, Dialogs& dialogs);

} // namespace quillane
