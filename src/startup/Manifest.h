#pragma once

#include "platform/FileSystem.h"

#include <QString>
#include <QStringList>

namespace quillane {

// The visual-styles manifest, line by line.
const QStringList& manifestLines();

// Writes the manifest beside the program, replacing a read-only copy; false when it could not
// be written, and start-up goes on without it.
bool SaveManifest(const QString& AppDir, FileSystem& files);

// The program's folder as the program keeps it: without a trailing separator, except the root.
QString appDirFrom(const QString& executableFolder);

} // namespace quillane
