#pragma once

#include <QChar>

namespace quillane {

// The character for a code of the Windows-1252 single-byte code page. The five codes that page
// leaves unassigned map to the control characters of the same value, as Windows maps them.
QChar windows1252Char(unsigned char code);

} // namespace quillane
