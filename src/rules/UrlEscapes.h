#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace quillane {

// The value of two hexadecimal digits (0 to 255), or nothing when they are not two such digits.
std::optional<unsigned char> UnHex(QStringView szString);

// Decodes every %xx escape. A run of escapes that forms UTF-8 gives those characters; any other
// escaped byte gives the one Windows-1252 character of that code. A decoded "%" is not decoded
// again, and a "%" without two hexadecimal digits after it stays as it is.
QString ConUrlHex(const QString& szString);

} // namespace quillane
