#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>

namespace quillane::posix {

// The two ways a move goes when a plain no-replace rename cannot do it; neither ever replaces.
// Through a hard link, for file systems without the no-replace rename.
FileResult moveByLinking(const QByteArray& source, const QByteArray& target);
// Through a copy into a target created exclusively, then the source removed: between file
// systems, and where hard links are refused.
FileResult moveByCopying(const QByteArray& source, const QByteArray& target);

} // namespace quillane::posix
