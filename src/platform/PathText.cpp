#include "platform/PathText.h"

#include <QDir>

#include <utility>

namespace quillane {

namespace {

qsizetype lastSeparatorIn(const QString& path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isPathSeparator(path[i]))
            return i;
    }
    return -1;
}

} // namespace

bool endsWithSeparator(const QString& path) {
    return !path.isEmpty() && isPathSeparator(path.back());
}

QString AddSlash(const QString& path) {
    return endsWithSeparator(path) ? path : path + u'/';
}

QString pathIn(const QString& directory, QStringView name) {
    // In one allocation: runs build a path or two for every file.
    const bool slash = !endsWithSeparator(directory);
    QString path;
    path.reserve(directory.size() + (slash ? 1 : 0) + name.size());
    path.append(directory);
    if (slash)
        path.append(u'/');
    return path.append(name);
}

QString withoutTrailingSeparators(QString path) {
    while (path.size() > 1 && endsWithSeparator(path))
        path.chop(1);
    return path;
}

bool isBareDrive(const QString& path) {
    return path.size() == 2 && path[1] == u':' && path[0].isLetter() && path[0].unicode() < 0x80;
}

QString fileNameOf(const QString& path) {
    return path.sliced(lastSeparatorIn(path) + 1);
}

QString folderOf(const QString& path) {
    const qsizetype separator = lastSeparatorIn(path);
    return separator <= 0 ? QStringLiteral("/") : path.first(separator);
}

QString TrimAtNul(const QString& text) {
    return TrimAtNul(QString(text));
}

QString TrimAtNul(QString&& text) {
    if (const qsizetype nul = text.indexOf(QChar(u'\0')); nul >= 0)
        text.truncate(nul);
    return std::move(text);
}

} // namespace quillane
