#pragma once

#include <QString>

namespace quillane {

// The program's version as its windows, its command line and its package show it:
// major.minor.revision, from the build's one version number.
inline constexpr QLatin1StringView ProgramVersion(QUILLANE_VERSION);

} // namespace quillane
