#pragma once

#include "platform/Dialogs.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <optional>

namespace quillane {

// Loads the icon file at `path` and shows it on `background`; the finished picture for every
// bit count. A file that holds no 16 or 32 pixel icon, or one that cannot be decoded, gets its
// message and no picture.
std::optional<QImage> LoadOpenFileICO(const QString& path, QColor background, Dialogs& dialogs);

} // namespace quillane
