#pragma once

#include <QChar>
#include <QString>

namespace quillane {

// "/" everywhere, and the host's own separator where it differs.
bool isPathSeparator(QChar c);

// A path in a directory, with one separator between them.
QString pathIn(const QString& directory, const QString& name);

} // namespace quillane
