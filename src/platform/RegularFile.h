#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>
#include <QString>

namespace quillane {

struct [[nodiscard]] FileBytesResult {
    FileResult result;
    QByteArray bytes;
};

// The whole contents of a regular file of at most `largest` bytes. Anything else under the name
// (a pipe, a device, a folder) or a larger file is refused without being read: a pipe would block
// the program, a device never end.
FileBytesResult readRegularFile(const QString& path, qint64 largest);

} // namespace quillane
