#pragma once

#include <QString>
#include <QStringView>

namespace quillane {

// Whether a file name matches a wildcard pattern as the platform's directory search reads it:
// "*" any run of characters, "?" any one character, case ignored, and "*.*" matching every name,
// also names without a dot.
bool matchesWildcard(QStringView name, QStringView pattern);

} // namespace quillane
