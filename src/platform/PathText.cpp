#include "platform/PathText.h"

#include <QDir>

namespace quillane {

bool isPathSeparator(QChar c) {
    return c == u'/' || c == QDir::separator();
}

QString pathIn(const QString& directory, const QString& name) {
    if (!directory.isEmpty() && isPathSeparator(directory.back()))
        return directory + name;
    return directory + u'/' + name;
}

} // namespace quillane
