#include "renamelist/RenameEntry.h"

#include "platform/PathText.h"

namespace quillane {

QString directoryCellForm(const QString& folder) {
    const QString cell = withoutTrailingSeparators(folder);
    // A drive keeps the separator that makes the cell its root rather than its current folder.
    return isBareDrive(cell) && cell.size() < folder.size() ? folder.first(3) : cell;
}

} // namespace quillane
