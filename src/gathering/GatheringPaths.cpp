#include "gathering/GatheringPaths.h"

namespace quillane {

QString AddSlash(const QString& path) {
    return path.endsWith(u'/') ? path : path + u'/';
}

QString TrimAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.first(nul);
}

} // namespace quillane
