#pragma once

#include <QString>

namespace quillane {

// One row of the rename list.
struct RenameEntry {
    QString directory; // the folder, without a trailing separator unless it is a root
    QString filename;  // the current name, without directory
    QString renout;    // the new name from the last preview refresh
    bool selected = false;
};

// A file to add to the list.
struct ListedFile {
    QString directory; // in directory-cell form
    QString filename;
};

// A folder path in the form the directory cell holds: without a trailing separator, except for a
// root (the file-system root "/" or a drive root such as C:\), which keeps it.
QString directoryCellForm(const QString& folder);

} // namespace quillane
