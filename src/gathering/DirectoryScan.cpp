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
QList<DirectoryEntry> readingOrder(const FolderListing& listing) {
    // Read on every core: const access only, so that nothing detaches.
    const QList<DirectoryEntry>& listed = listing.entries;
    const auto nameAt = [&](std::size_t index) {
        return listing.nameOf(listed[static_cast<qsizetype>(index)]);
    };
    const auto keys = naturalSortKeys(static_cast<std::size_t>(listed.size()), nameAt);
    const std::vector<quint32> order = keyOrder(
        keys, Qt::AscendingOrder, [&](quint32 a, quint32 b) { return nameAt(a) < nameAt(b); });
    QList<DirectoryEntry> sorted;
    sorted.reserve(listed.size());
    for (const quint32 index : order)
        sorted.append(listed[index]);
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
    const QList<DirectoryEntry> entries = readingOrder(*listing);
    AddDirectoryFiles(folderText, directory, *listing, entries);
    m_read.push_back({directory, listing->names});
    if (!request.Recurse)
        return;
    for (const DirectoryEntry& entry : entries) {
        if (!entry.isDirectory || entry.isSymbolicLink)
            continue;
        const QString name = listing->nameOf(entry).toString();
        if (entry.pathTooLong) {
            m_tooLong.append(folderText + name);
            continue;
        }
        request.Path = folderText + name;
        ScanDirectory(request);
    }
}

void DirectoryScan::AddDirectoryFiles(const QString& folderText, const QString& directory,
                                      const FolderListing& listing,
                                      const QList<DirectoryEntry>& entries) {
    QList<DirectoryEntry> files;
    qsizetype fileChars = 0;
    for (const DirectoryEntry& entry : entries) {
        if (entry.isDirectory)
            continue;
        if (entry.pathTooLong) {
            m_tooLong.append(folderText + listing.nameOf(entry).toString());
            continue;
        }
        // The listing already tells a name the file system would not find again: one that does
        // not decode. Asking the file system per file would double the cost of the walk.
        if (!entry.nameDecodes) {
            m_dialogs.showMessage(
                unrecognisedNameMessage(folderText + listing.nameOf(entry).toString()));
            continue;
        }
        files.append(entry);
        fileChars += entry.nameLength + 1;
    }
    m_found.reserve(m_found.size() + files.size());
    // The rows share the listing's text while their names are most of it; a few files of a large
    // folder get a text of their names alone.
    QString text = listing.names.names;
    if (2 * fileChars < text.size()) {
        QString own;
        own.reserve(fileChars);
        for (DirectoryEntry& file : files) {
            const qsizetype at = own.size();
            own.append(listing.nameOf(file)).append(QChar(u'\0'));
            file.nameAt = at;
        }
        text = std::move(own);
    }
    for (const DirectoryEntry& file : std::as_const(files))
        m_found.append({directory, text, file.nameAt, file.nameLength});
}

} // namespace quillane
