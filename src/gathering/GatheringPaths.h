#pragma once

#include <QString>

namespace quillane {

// The path with a separator at its end, unless it already has one.
QString AddSlash(const QString& path);

// The text up to its first NUL character, or all of it.
QString TrimAtNul(const QString& text);

} // namespace quillane
