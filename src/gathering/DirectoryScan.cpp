#include "gathering/DirectoryScan.h"

#include "gathering/GatheringTexts.h"
#include "platform/PathText.h"
#include "renamelist/ListColumns.h"

#include <algorithm>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

// A message box is no place for thousands of paths of thousands of characters each.
constexpr qsizetype MostPathsShown = 10;
constexpr qsizetype PathHeadShown = 40;
constexpr qsizetype PathTailShown = 100;

QString shortened(const QString& path) {
    if (path.size() <= PathHeadShown + PathTailShown)
        return path;
    return path.first(PathHeadShown) + GatheringText::Elision + path.last(PathTailShown);
}

// The entries in the order a person reads their names, as the Filename column sorts them; names
// equal but for case keep one fixed order.
QList<DirectoryEntry> readingOrder(QList<DirectoryEntry>&& entries) {
    // Read on every core: const access only, so that nothing detaches.
    const QList<DirectoryEntry>& listed = entries;
    const auto keys = naturalSortKeys(static_cast<std::size_t>(listed.size()),
                                      [&](std::size_t index) -> const QString& {
                                          return listed[static_cast<qsizetype>(index)].name;
                                      });
    const std::vector<quint32> order =
        keyOrder(keys, Qt::AscendingOrder,
                 [&](quint32 a, quint32 b) { return listed[a].name < listed[b].name; });
    QList<DirectoryEntry> sorted;
    sorted.reserve(entries.size());
    for (const quint32 index : order)
        sorted.append(std::move(entries[index]));
    return sorted;
}

} // namespace

MessageRequest unrecognisedNameMessage(const QString& path) {
    return {ApplicationTitle,         GatheringText::UnrecognisedName + path,
            MessageIcon::Exclamation, MessageButtons::Ok,
            MessageAnswer::Ok,        true,
            DialogOwner::MainWindow};
}

// One message for the paths a walk or an add passed over, however many.
MessageRequest pathsPassedOverMessage(QLatin1StringView why, const QStringList& paths) {
    QString text = why;
    for (const QString& path : paths.first(std::min(paths.size(), MostPathsShown)))
        text += u"\r\n"_s + shortened(path);
    if (paths.size() > MostPathsShown)
        text += GatheringText::MorePaths.arg(QString::number(paths.size() - MostPathsShown));
    return {ApplicationTitle,  text, MessageIcon::Exclamation, MessageButtons::Ok,
            MessageAnswer::Ok, true, DialogOwner::MainWindow};
}

bool FileExists(FileSystem& files, const QString& path) {
    return files.exists(path);
}

DirectoryScan::DirectoryScan(FileSystem& files, Dialogs& dialogs)
    : m_files(files), m_dialogs(dialogs) {}

void DirectoryScan::ScanDirectory(DirScanRequest request) {
    const QString folderText = AddSlash(request.Path);
    // Links are not followed, but a folder mounted inside itself would still make it endless.
    const QString identity = m_files.canonicalPath(folderText);
    if (identity.isEmpty() || m_visited.contains(identity))
        return;
    m_visited.insert(identity);
    auto listing = m_files.list(folderText, request.Pattern);
    if (!listing)
        return;
    // One directory text for the whole folder: its rows share it, and its kept names go by it.
    const QString directory = directoryCellForm(folderText);
    m_read.push_back({directory, std::move(listing->names)});
    QList<DirectoryEntry> entries = readingOrder(std::move(listing->entries));
    AddDirectoryFiles(folderText, directory, entries);
    if (!request.Recurse)
        return;
    for (const DirectoryEntry& entry : entries) {
        const QString name = TrimAtNul(entry.name);
        if (!entry.isDirectory || entry.isSymbolicLink)
            continue;
        if (entry.pathTooLong) {
            m_tooLong.append(folderText + name);
            continue;
        }
        request.Path = folderText + name;
        ScanDirectory(request);
    }
}

void DirectoryScan::AddDirectoryFiles(const QString& folderText, const QString& directory,
                                      QList<DirectoryEntry>& entries) {
    m_found.reserve(m_found.size() + entries.size());
    for (DirectoryEntry& entry : entries) {
        if (entry.isDirectory)
            continue;
        QString name = TrimAtNul(std::move(entry.name));
        if (entry.pathTooLong) {
            m_tooLong.append(folderText + name);
            continue;
        }
        // The listing already tells a name the file system would not find again: one that does
        // not decode. Asking the file system per file would double the cost of the walk.
        if (!entry.nameDecodes) {
            m_dialogs.showMessage(unrecognisedNameMessage(folderText + name));
            continue;
        }
        m_found.append({directory, std::move(name)});
    }
}

} // namespace quillane
