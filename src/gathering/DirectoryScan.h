#pragma once

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "renamelist/RenameEntry.h"

#include <QList>
#include <QSet>
#include <QString>

namespace quillane {

struct DirScanRequest {
    bool Recurse = true;
    QString Path;
    QString Pattern = QStringLiteral("*.*");
};

// Walks a folder, and its subfolders when asked, collecting every entry that is not a folder:
// a folder's own files first, then each subfolder's whole tree in listing order. Unreadable
// folders are passed over; a folder reached again through a link is not entered twice.
class DirectoryScan {
public:
    DirectoryScan(FileSystem& files, Dialogs& dialogs);

    void ScanDirectory(DirScanRequest request);
    const QList<ListedFile>& found() const { return m_found; }

private:
    void AddDirectoryFiles(const QString& folderText, const QList<DirectoryEntry>& entries);

    FileSystem& m_files;
    Dialogs& m_dialogs;
    QSet<QString> m_visited;
    QList<ListedFile> m_found;
};

// The message for a listed or picked name the file system cannot find again.
MessageRequest unrecognisedNameMessage(const QString& path);

// Whether the file system finds the path.
bool FileExists(FileSystem& files, const QString& path);

} // namespace quillane
