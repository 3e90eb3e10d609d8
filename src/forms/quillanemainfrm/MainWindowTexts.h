#pragma once

#include <QString>

namespace quillane {

// The main window's own fixed texts.
namespace MainWindowText {
inline constexpr QLatin1StringView AwaitingJob("Awaiting for job...");
inline constexpr QLatin1StringView Processing("Processing ...");
inline constexpr QLatin1StringView Idle("IDLE");
inline constexpr QLatin1StringView CaptionStart("Kestrova Quillane v");
inline constexpr QLatin1StringView
    NamesSkipped("These files were left as they are, because their new name cannot name a file:");
inline constexpr QLatin1StringView MoreSkipped("... and %1 more.");
} // namespace MainWindowText

} // namespace quillane
