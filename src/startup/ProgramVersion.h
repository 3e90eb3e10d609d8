#pragma once

#include <QString>

namespace quillane {

// The program's version as its windows show it: major.minor.revision.
inline constexpr QLatin1StringView ProgramVersion("2.0.0");

} // namespace quillane
