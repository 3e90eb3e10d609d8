#pragma once

#include <QString>

namespace quillane {

// The file name of the user manual beside the program. Compiled help has no common viewer
// outside Windows, so there the manual is a web page.
QString helpFileName();

} // namespace quillane
