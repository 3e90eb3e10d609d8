#pragma once

#include <QString>

namespace quillane {

// The fixed texts of adding files and of the file filter set.
namespace GatheringText {
inline constexpr QLatin1StringView FilterSetDamaged(
    "Your custom FileType information is tampered or deleted. Default FileType is replaced.");

inline constexpr QLatin1StringView UnrecognisedName(
    "Kestrova Quillane cannot recognize the input filename. \r\nFilename skipped:     ");
inline constexpr QLatin1StringView
    PathsTooLong("These paths are longer than the system allows, so they were not added:");
inline constexpr QLatin1StringView
    PathsNotFound("These files and folders were not found, so they were not added:");
inline constexpr QLatin1StringView MorePaths("\r\n... and %1 more.");
inline constexpr QChar Elision(u'\u2026');
inline constexpr QLatin1StringView AddFilesTitle("Add Files... (multiple selection possible)");
inline constexpr QLatin1StringView AddDirectoryTitle("Add which directory?");

// Subkeys of the program key holding each filter's patterns and description.
inline constexpr QLatin1StringView PatternsSubkey("Filter");
inline constexpr QLatin1StringView DescriptionsSubkey("FilterInfo");

// The stored count that means the set is gone, like no count at all.
inline constexpr QLatin1StringView NoFilters("0");

inline constexpr QLatin1StringView AllFiles("All Files");
inline constexpr QLatin1StringView AllFilesPatterns("*.*");
inline constexpr QLatin1StringView Jpeg("Jpeg");
inline constexpr QLatin1StringView JpegPatterns("*.jpg,*.jpeg,*.jpe");
inline constexpr QLatin1StringView Mpeg("Mpeg");
inline constexpr QLatin1StringView MpegPatterns("*.mpg,*.mpeg,*.mpe");

// The filter dialog's inputs, their texts and its messages.
inline constexpr QLatin1StringView PatternsHint("*.FileType1,*.FileType2");
inline constexpr QLatin1StringView NeedFileType("Please key in an appropriate FileType.");
inline constexpr QLatin1StringView NeedDescription("Please key in a Description.");
inline constexpr QLatin1StringView NothingToAdd("Nothing to add.");
inline constexpr QLatin1StringView NothingToRemove("Nothing to remove.");
inline constexpr QLatin1StringView NothingToSwap("Nothing to swap.");
inline constexpr QLatin1StringView
    ConfirmFilterReset("Are you sure you want to reset and restore the default File Filter?");
inline constexpr QLatin1StringView OneFilterNeeded("At least 1 FileType must exist!");
inline constexpr QLatin1StringView
    FiltersNotSaved("Your FileTypes could not be saved; the ones saved before stay in use.");

inline constexpr QLatin1StringView LabelStart(" (");
inline constexpr QLatin1StringView LabelEnd(")");
inline constexpr QChar DialogFilterSeparator(u'|');
inline constexpr QChar StoredPatternSeparator(u',');
inline constexpr QChar DialogPatternSeparator(u';');
} // namespace GatheringText

} // namespace quillane
