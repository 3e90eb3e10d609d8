#include "renamelist/RenameEntry.h"

#include <QDir>

namespace quillane {

namespace {

// "/" everywhere, and the host's own separator where it differs.
bool isSeparator(QChar c) {
    return c == u'/' || c == QDir::separator();
}

bool isRoot(const QString& folder) {
    const bool fileSystemRoot = folder.size() == 1 && isSeparator(folder[0]);
    const bool driveRoot =
        folder.size() == 3 && folder[0].isLetter() && folder[1] == u':' && isSeparator(folder[2]);
    return fileSystemRoot || driveRoot;
}

} // namespace

QString directoryCellForm(QString folder) {
    while (folder.size() > 1 && isSeparator(folder.back()) && !isRoot(folder))
        folder.chop(1);
    return folder;
}

} // namespace quillane
