#pragma once

#include "platform/FileSystem.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillane {

// The tips of a tips file, one per line, an empty line an empty tip. Lines may end in CR LF or
// LF; the end of the last line does not start another tip.
QStringList tipsFromText(const QString& text);

// The tips of the file at `path`; nothing when there is no such file or it cannot be read.
std::optional<QStringList> LoadTips(const QString& path, FileSystem& files);

// A random 0-based tip index below `count`, which must be at least 1; the same tip may come
// again.
qsizetype pickTip(qsizetype count, QRandomGenerator& random);

} // namespace quillane
