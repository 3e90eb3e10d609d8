#pragma once

#include <QChar>
#include <QDir>
#include <QString>

namespace quillane {

// "/" everywhere, and the host's own separator where it differs.
// Inline: the status plan asks it of every character of every new name.
inline bool isPathSeparator(QChar c) {
    return c == u'/' || c == QDir::separator();
}

bool endsWithSeparator(const QString& path);

// The path with a separator at its end, unless it already has one.
QString AddSlash(const QString& path);

// A path in a directory, with one separator between them.
QString pathIn(const QString& directory, QStringView name);

// The path without the separators at its end; a path of separators only keeps one, the root.
QString withoutTrailingSeparators(QString path);

// A drive named without the separator that would make it the drive's root, such as "C:".
bool isBareDrive(const QString& path);

// What follows a whole path's last separator.
QString fileNameOf(const QString& path);

// What precedes a whole path's last separator; "/" for a path in the root.
QString folderOf(const QString& path);

// The text up to its first NUL character, or all of it.
QString TrimAtNul(const QString& text);
QString TrimAtNul(QString&& text);

} // namespace quillane
