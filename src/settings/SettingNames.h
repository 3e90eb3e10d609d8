#pragma once

#include <QString>

namespace quillane {

// Where the settings live and the names they are stored under.
namespace SettingName {
inline constexpr QLatin1StringView ProgramKey("Software\\Kestrova\\Quillane");
inline constexpr QLatin1StringView StartupDir("StartupDir");
inline constexpr QLatin1StringView RecurseDir("RecurseDir");
inline constexpr QLatin1StringView OutDir("outDir");
inline constexpr QLatin1StringView OutputCustomDirPath("OutputCustomDirPath");
inline constexpr QLatin1StringView Grid("grid");
inline constexpr QLatin1StringView ShowTod("ShowTod");
inline constexpr QLatin1StringView NoOfFilter("NoOfFilter");
} // namespace SettingName

// The texts the settings take, and the texts built from them.
namespace SettingText {
inline constexpr QLatin1StringView RecurseY("RecurseY");
inline constexpr QLatin1StringView RecurseN("RecurseN");
inline constexpr QLatin1StringView WhereFileIs("wfile");
inline constexpr QLatin1StringView Custom("custom");
inline constexpr QLatin1StringView Shown("1");
inline constexpr QLatin1StringView Hidden("0");
inline constexpr QLatin1StringView CustomCaptionStart("Custom... (");
inline constexpr QLatin1StringView CustomCaptionEnd(")");
inline constexpr QLatin1StringView BrowseTitleStart("Save rename files to ");
} // namespace SettingText

} // namespace quillane
