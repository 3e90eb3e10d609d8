#pragma once

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "renamelist/FolderNames.h"
#include "renamelist/RenameEntry.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

namespace quillane {

struct DirScanRequest {
    bool Recurse = true;
    QString Path;
    QString Pattern = QStringLiteral("*.*");
};

// Walks a folder, and its subfolders when asked, collecting every entry that is not a folder:
// a folder's own files first, then each subfolder's whole tree, each in the order a person reads
// names (case ignored, numbers by value). A link to a folder is never entered, so the walk stays
// inside the chosen folder; unreadable folders are passed over; a folder reached again (a mount
// inside itself) is not entered twice.
class DirectoryScan {
public:
    DirectoryScan(FileSystem& files, Dialogs& dialogs);

    void ScanDirectory(DirScanRequest request);
    QList<ListedFile> takeFound() { return std::move(m_found); }
    // Every name of each folder the walk read, as it read them.
    std::vector<ReadFolder> takeReadFolders() { return std::move(m_read); }
    // Files and folders passed over because their paths are longer than the system allows.
    const QStringList& tooLong() const { return m_tooLong; }

private:
    // Lists the files of `entries`, in that order; the folders are for the walk.
    // `directory` is the folder in directory-cell form.
    void AddDirectoryFiles(const QString& folderText, const QString& directory,
                           const FolderListing& listing, const QList<DirectoryEntry>& entries);

    FileSystem& m_files;
    Dialogs& m_dialogs;
    QSet<QString> m_visited;
    QList<ListedFile> m_found;
    std::vector<ReadFolder> m_read;
    QStringList m_tooLong;
};

// The message for a listed or picked name the file system cannot find again.
MessageRequest unrecognisedNameMessage(const QString& path);

// The one message that lists the paths a walk or an add passed over, after the reason.
MessageRequest pathsPassedOverMessage(QLatin1StringView why, const QStringList& paths);

// Whether the file system finds the path.
bool FileExists(FileSystem& files, const QString& path);

} // namespace quillane
