#pragma once

#include "rules/FileDates.h"

#include <QString>

#include <utility>

namespace quillane {

// What the next run would do with an entry, as its new name and the disk stand.
enum class EntryStatus : quint8 {
    Ready,         // gets its new name, nothing in the way
    Unchanged,     // the new name is the file's own path
    Duplicate,     // another entry has the same target path
    NameTaken,     // a file that stays already has the target path
    InvalidName,   // the new name cannot name a file in its folder
    NameTooLong,   // longer than the file system allows for one name
    Missing,       // the listed file is no longer there
    BecomesHidden, // the new name starts with "." and the old one does not
};

// Where a row's name lies in one of its list's texts of names.
struct TextPlace {
    quint32 start = 0;
    quint32 length = 0;
    quint32 segment = 0;
};

// One row of the rename list.
struct RenameEntry {
    QString directory;    // the folder, without a trailing separator unless it is a root
    TextPlace filenameAt; // the current name, without directory, read with the list
    TextPlace renoutAt;   // the new name from the last preview refresh, read with the list
    FileDates dates;      // read when a stamp shows them, and read again once the file is another
    bool selected = false;
    EntryStatus status = EntryStatus::Ready; // as of the last plan
};

// A file to add to the list. Its name lies in `text`, which the files of one folder's listing
// share, so that a folder of a million files costs no string per file.
struct ListedFile {
    ListedFile() = default;
    ListedFile(QString folder, QString name)
        : directory(std::move(folder)), text(std::move(name)), nameLength(text.size()) {}
    ListedFile(QString folder, QString names, qsizetype at, qsizetype length)
        : directory(std::move(folder)), text(std::move(names)), nameAt(at), nameLength(length) {}

    QStringView filename() const { return QStringView(text).sliced(nameAt, nameLength); }

    QString directory; // in directory-cell form
    QString text;
    qsizetype nameAt = 0;
    qsizetype nameLength = 0;
};
} // namespace quillane
Q_DECLARE_TYPEINFO(quillane::ListedFile, Q_RELOCATABLE_TYPE);
namespace quillane {

// A folder path in the form the directory cell holds: without a trailing separator, except for a
// root (the file-system root "/" or a drive root such as C:\), which keeps it.
QString directoryCellForm(const QString& folder);

} // namespace quillane
