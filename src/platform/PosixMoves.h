#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>

namespace quillane::posix {

// A move between file systems: the file is copied under a temporary name beside the target, named
// without replacing once it is whole and lasting, and only then is the source removed.
FileResult moveByCopying(const QByteArray& source, const QByteArray& target);

} // namespace quillane::posix
