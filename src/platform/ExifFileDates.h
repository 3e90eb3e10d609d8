#pragma once

#include "platform/FileDatesSource.h"

namespace quillane {

// The modification time from the file system, the moment taken from the photo's Exif
// DateTimeOriginal through Exiv2. Only regular files are opened, so a pipe in the list never
// stalls the reading. A listed link gives its target's dates.
class ExifFileDates final : public FileDatesSource {
public:
    FileMoments read(const QString& path, bool taken) const override;
};

// The moment of an Exif date text, "YYYY:MM:DD HH:MM:SS"; invalid for any other text, and for
// the blank "0000:00:00 00:00:00" cameras write when their clock was never set.
QDateTime exifMoment(const QString& text);

} // namespace quillane
