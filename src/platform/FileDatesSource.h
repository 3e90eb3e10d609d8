#pragma once

#include <QDateTime>
#include <QString>

namespace quillane {

// A file's dates in local time; invalid where the file has none or cannot be read.
struct FileMoments {
    QDateTime modified;
    QDateTime taken; // read only when asked for
};

// Reads files' dates. Called from a thread of its own, so an implementation keeps no state that
// two calls could share.
class FileDatesSource {
public:
    virtual ~FileDatesSource() = default;
    // The modification time and, with `taken`, the moment a photo says it was taken.
    virtual FileMoments read(const QString& path, bool taken) const = 0;
};

} // namespace quillane
