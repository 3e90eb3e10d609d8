#pragma once

#include "platform/FileSystem.h"

#include <QString>

namespace quillane {

// The folder of the files the program ships (icon files, tips, manual): the program's own folder
// when they are beside it, as in a build, otherwise the data folder an installation puts them in.
// When neither holds them it is the program's folder, and each file's absence is told where it
// is missed.
QString shippedFilesFolder(const QString& AppDir, FileSystem& files);

} // namespace quillane
