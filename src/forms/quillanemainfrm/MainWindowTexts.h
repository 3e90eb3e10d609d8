#pragma once

#include <QString>

namespace quillane {

// The main window's own fixed texts.
namespace MainWindowText {
inline constexpr QLatin1StringView AwaitingJob("Awaiting for job...");
inline constexpr QLatin1StringView Processing("Processing ...");
inline constexpr QLatin1StringView ReadingDates("Reading file dates before renaming ...");
inline constexpr QLatin1StringView Idle("IDLE");
inline constexpr QLatin1StringView CaptionStart("Kestrova Quillane v");
inline constexpr QLatin1StringView Stop("Stop");
inline constexpr QLatin1StringView StopRunQuestion("A rename run is in progress. Stop it?");
inline constexpr QLatin1StringView RunReport("These files were not renamed as planned:");
inline constexpr QLatin1StringView UnfinishedRun(
    "The last rename run did not finish (started %1). %2 files are still under temporary names.");
inline constexpr QLatin1StringView FinishTheRun("Finish the Run");
inline constexpr QLatin1StringView PutThemBack("Put Them Back");
inline constexpr QLatin1StringView NotNow("No");
} // namespace MainWindowText

} // namespace quillane
