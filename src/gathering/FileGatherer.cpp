#include "gathering/FileGatherer.h"

#include "gathering/DirectoryScan.h"
#include "gathering/GatheringTexts.h"
#include "platform/PathText.h"

#include <utility>

namespace quillane {

FileGatherer::FileGatherer(RenameListModel& list, FileSystem& files, Dialogs& dialogs,
                           SettingsStore& settings, FileFilterStore& filters)
    : m_list(list), m_files(files), m_dialogs(dialogs), m_settings(settings), m_filters(filters) {}

void FileGatherer::append(QList<ListedFile> files) {
    const bool wasEmpty = m_list.rowCount() == 0;
    m_list.appendEntries(std::move(files));
    if (wasEmpty && m_list.rowCount() > 0)
        m_list.selectRow(0);
}

void FileGatherer::AddMnu_Click() {
    const FileFilterSet filters = m_filters.ReadFileFilterSet(DialogOwner::MainWindow);
    const std::optional<OpenFilesResult> picked =
        m_dialogs.openFiles({GatheringText::AddFilesTitle, m_settings.StartupDir(),
                             filters.dialogFilters(), 0, DialogOwner::MainWindow});
    if (!picked || picked->paths.isEmpty())
        return;
    QList<ListedFile> files;
    QString directory;
    for (const QString& path : picked->paths) {
        // Folders and names ending in a separator are no files to rename.
        if (endsWithSeparator(path) || m_files.isDirectory(path))
            continue;
        if (!FileExists(m_files, path)) {
            m_dialogs.showMessage(unrecognisedNameMessage(path));
            continue;
        }
        // Files of one folder share its text, as rows added from a folder do.
        if (const QString folder = folderOf(path); folder != directory)
            directory = folder;
        files.append({directory, fileNameOf(path)});
    }
    append(std::move(files));
    // A single pick keeps its folder as it is; a multiple pick ends with a separator.
    const QString pickedFolder = folderOf(picked->paths.front());
    m_settings.setStartupDir(picked->paths.size() > 1 ? AddSlash(pickedFolder) : pickedFolder);
}

void FileGatherer::AddDirMnu_Click() {
    const std::optional<QString> chosen =
        m_dialogs.browseForFolder({GatheringText::AddDirectoryTitle, DialogOwner::MainWindow});
    if (!chosen)
        return;
    const QString path = withoutTrailingSeparators(TrimAtNul(*chosen));
    if (path.isEmpty())
        return;
    QStringList tooLong;
    append(scanFolder(path, tooLong));
    if (!tooLong.isEmpty())
        m_dialogs.showMessage(pathsPassedOverMessage(GatheringText::PathsTooLong, tooLong));
}

QList<ListedFile> FileGatherer::scanFolder(const QString& path, QStringList& tooLong) {
    DirectoryScan scan(m_files, m_dialogs);
    scan.ScanDirectory({m_settings.includeSubfolders(), path, QStringLiteral("*.*")});
    tooLong += scan.tooLong();
    m_list.keepReadFolders(scan.takeReadFolders());
    return scan.takeFound();
}

QList<MessageRequest> FileGatherer::addPaths(const QStringList& paths) {
    QList<ListedFile> files;
    QStringList tooLong;
    QStringList notFound;
    for (const QString& path : paths) {
        if (m_files.isDirectory(path))
            files += scanFolder(withoutTrailingSeparators(path), tooLong);
        else if (FileExists(m_files, path))
            files.append({folderOf(path), fileNameOf(path)});
        else
            notFound.append(path);
    }
    append(std::move(files));
    QList<MessageRequest> passedOver;
    if (!tooLong.isEmpty())
        passedOver.append(pathsPassedOverMessage(GatheringText::PathsTooLong, tooLong));
    if (!notFound.isEmpty())
        passedOver.append(pathsPassedOverMessage(GatheringText::PathsNotFound, notFound));
    return passedOver;
}

} // namespace quillane
