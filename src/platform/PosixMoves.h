#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>

#include <sys/stat.h>

namespace quillane::posix {

// A name as the *at calls take it: in an open folder, or a whole path against AT_FDCWD. `name`
// points into bytes the caller keeps.
struct Place {
    int folder;
    const char* name;
};

// A move between file systems: the file is copied under a temporary name beside the target, named
// without replacing once it is whole and lasting, and only then is the source removed.
FileResult moveByCopying(const QByteArray& source, const QByteArray& target,
                         const CopyNotice& notice = {});
// What stat tells of a file, as the platform-free identity.
FileIdentity identityOf(const struct stat& st);

} // namespace quillane::posix
