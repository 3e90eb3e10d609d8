#include "gathering/DirectoryScan.h"

#include "gathering/GatheringPaths.h"
#include "gathering/GatheringTexts.h"

namespace quillane {

MessageRequest unrecognisedNameMessage(const QString& path) {
    return {ApplicationTitle,         GatheringText::UnrecognisedName + path,
            MessageIcon::Exclamation, MessageButtons::Ok,
            MessageAnswer::Ok,        true,
            DialogOwner::MainWindow};
}

bool FileExists(FileSystem& files, const QString& path) {
    return files.exists(path);
}

DirectoryScan::DirectoryScan(FileSystem& files, Dialogs& dialogs)
    : m_files(files), m_dialogs(dialogs) {}

void DirectoryScan::ScanDirectory(DirScanRequest request) {
    const QString folderText = AddSlash(request.Path);
    // A link back into the tree would make the walk endless.
    const QString identity = m_files.canonicalPath(folderText);
    if (identity.isEmpty() || m_visited.contains(identity))
        return;
    m_visited.insert(identity);
    const auto entries = m_files.list(folderText, request.Pattern);
    if (!entries)
        return;
    AddDirectoryFiles(folderText, *entries);
    if (!request.Recurse)
        return;
    for (const DirectoryEntry& entry : *entries) {
        const QString name = TrimAtNul(entry.name);
        if (!entry.isDirectory || name == u"." || name == u"..")
            continue;
        request.Path = folderText + name;
        ScanDirectory(request);
    }
}

void DirectoryScan::AddDirectoryFiles(const QString& folderText,
                                      const QList<DirectoryEntry>& entries) {
    // One directory text for the whole folder: its rows share it.
    const QString directory = directoryCellForm(folderText);
    for (const DirectoryEntry& entry : entries) {
        if (entry.isDirectory)
            continue;
        const QString name = TrimAtNul(entry.name);
        // The listing already tells a name the file system would not find again: one that does
        // not decode. Asking the file system per file would double the cost of the walk.
        if (!entry.nameDecodes) {
            m_dialogs.showMessage(unrecognisedNameMessage(folderText + name));
            continue;
        }
        m_found.append({directory, name});
    }
}

} // namespace quillane
