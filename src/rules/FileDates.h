#pragma once

#include "rules/Clock.h"

#include <QtGlobal>

#include <limits>
#include <optional>

namespace quillane {

// When an entry's file was last modified and, for a photo, taken, as whole minutes of local
// wall-clock time since 1970: the stamp shows no seconds, and a list of a million entries keeps
// them in eight bytes each.
struct FileDates {
    // Not read yet.
    static constexpr qint32 NotRead = std::numeric_limits<qint32>::min();
    // Read, and the file has no such date.
    static constexpr qint32 None = NotRead + 1;

    qint32 modified = NotRead;
    qint32 taken = NotRead;

    // None for a moment that is not a valid date and time, or beyond what the minutes hold.
    static qint32 minutesOf(const LocalDateTime& moment);
    // Nothing for NotRead and None.
    static std::optional<LocalDateTime> momentOf(qint32 minutes);

    friend bool operator==(const FileDates&, const FileDates&) = default;
};

} // namespace quillane
