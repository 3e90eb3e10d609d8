#include "renamelist/RenameEntry.h"

#include "platform/PathText.h"

namespace quillane {

namespace {

bool isRoot(const QString& folder) {
    const bool fileSystemRoot = folder.size() == 1 && isPathSeparator(folder[0]);
    const bool driveRoot = folder.size() == 3 && folder[0].isLetter() && folder[1] == u':' &&
                           isPathSeparator(folder[2]);
    return fileSystemRoot || driveRoot;
}

} // namespace

QString directoryCellForm(QString folder) {
    while (folder.size() > 1 && isPathSeparator(folder.back()) && !isRoot(folder))
        folder.chop(1);
    return folder;
}

} // namespace quillane
