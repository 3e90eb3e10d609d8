#include "renamelist/RenamePlan.h"

#include "platform/PathText.h"
#include "renamelist/RowChunks.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QScopeGuard>

#include <algorithm>
#include <array>
#include <atomic>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

// The longest name of one file, in bytes of the file-system encoding.
constexpr qsizetype LongestName = 255;

bool tooLong(QStringView name) {
    // No UTF-16 unit takes more than three bytes, so most names need no encoding to tell.
    return name.size() * 3 > LongestName && QFile::encodeName(name.toString()).size() > LongestName;
}

// Folders by number, so that the many rows of one folder cost one lookup between them.
class FolderIds {
public:
    explicit FolderIds(FolderNames& folders) : m_folders(folders) {}

    qint32 of(const QString& folder) {
        // Rows added together share their folder's text, so most rows are told by a pointer.
        if (m_last >= 0 &&
            (folder.constData() == m_lastFolder.constData() || folder == m_lastFolder))
            return m_last;
        // The rows of one folder share its text wherever they stand, so its address finds most
        // without reading it. Every text asked about lives through the plan, so no two of them
        // share an address.
        const TextAddress address{folder.constData(), folder.size()};
        auto known = m_byAddress.constFind(address);
        if (known == m_byAddress.cend()) {
            auto found = m_ids.constFind(folder);
            if (found == m_ids.cend()) {
                found = m_ids.insert(folder, static_cast<qint32>(m_names.size()));
                m_names.push_back(m_folders.names(folder));
            }
            known = m_byAddress.insert(address, found.value());
        }
        m_lastFolder = folder;
        m_last = known.value();
        return m_last;
    }
    // Nothing when the folder cannot be read.
    const FolderNameTable* names(qint32 id) const { return m_names[static_cast<std::size_t>(id)]; }

private:
    using TextAddress = std::pair<const QChar*, qsizetype>;

    FolderNames& m_folders;
    QHash<QString, qint32> m_ids;
    QHash<TextAddress, qint32> m_byAddress;
    std::vector<const FolderNameTable*> m_names;
    QString m_lastFolder;
    qint32 m_last = -1;
};

// A path's hash from its folder number and its name's hash in the folder's table, so that a name
// is hashed once.
quint32 pathHash(qint32 folder, quint32 nameHash) {
    return nameHash ^ static_cast<quint32>(static_cast<std::size_t>(folder) * 0x9E3779B97F4A7C15U);
}

// Rows by their folder number and a name. `KeyOf` gives a row's folder and name.
template <typename KeyOf> class PathIndex {
public:
    PathIndex(std::size_t rows, KeyOf keyOf) : m_slots(rows), m_keyOf(keyOf) {}

    // The row indexed under the path already, or -1 once `row` is indexed under it.
    qint32 findOrAdd(quint32 hash, qint32 folder, QStringView name, qint32 row) {
        HashSlots::Slot& slot = m_slots.slotFor(hash, matching(folder, name));
        if (slot.key >= 0)
            return slot.key;
        slot = {hash, row};
        return -1;
    }
    // Safe from several threads at once once the index is built.
    qint32 find(quint32 hash, qint32 folder, QStringView name) const {
        return m_slots.slotFor(hash, matching(folder, name)).key;
    }
    void prefetch(quint32 hash) const { m_slots.prefetch(hash); }

private:
    auto matching(qint32 folder, QStringView name) const {
        return [this, folder, name](qint32 row) {
            const auto [rowFolder, rowName] = m_keyOf(row);
            return rowFolder == folder && rowName == name;
        };
    }

    HashSlots m_slots;
    KeyOf m_keyOf;
};

} // namespace

const QString& statusText(EntryStatus status) {
    static const std::array<QString, 8> texts{
        QString(),         u"Unchanged"_s,     u"Duplicate"_s, u"Name taken"_s,
        u"Invalid name"_s, u"Name too long"_s, u"Missing"_s,   u"Becomes hidden"_s,
    };
    return texts[static_cast<std::size_t>(status)];
}

bool needsCheck(EntryStatus status) {
    switch (status) {
    case EntryStatus::Duplicate:
    case EntryStatus::NameTaken:
    case EntryStatus::InvalidName:
    case EntryStatus::NameTooLong:
    case EntryStatus::Missing:
        return true;
    case EntryStatus::Ready:
    case EntryStatus::Unchanged:
    case EntryStatus::BecomesHidden:
        break;
    }
    return false;
}

QString outputFolderForm(const QString& folder) {
    return folder.isEmpty() ? folder : directoryCellForm(QDir::cleanPath(folder));
}

bool namesAFile(QStringView name) {
    if (name.isEmpty() || name == u"."_s || name == u".."_s)
        return false;
    for (const QChar c : name) {
        if (isPathSeparator(c) || c == QChar(u'\0'))
            return false;
    }
    return true;
}

RenamePlan RenamePlan::make(const RenameList& list, const RunSettings& settings,
                            FolderNames& folders, const std::stop_token& stop) {
    // Often enough that a plan asked to stop ends within a millisecond or two, once the folders
    // are read.
    constexpr qint32 StopCheckRows = 16'384;
    const auto stopsAt = [&](qint32 row) {
        return row % StopCheckRows == 0 && stop.stop_requested();
    };
    RenamePlan plan;
    const qint32 count = list.count();
    const auto size = static_cast<std::size_t>(count);
    plan.m_rows.resize(size);
    folders.startRound();
    const auto roundCutShort = qScopeGuard([&] {
        if (stop.stop_requested())
            folders.cutRoundShort();
    });
    const QString outputForm = outputFolderForm(settings.customOutputDir);
    FolderIds ids(folders);
    const qint32 outputFolder =
        settings.outputWhereFileIs || !settings.rowTargets.empty() ? -1 : ids.of(outputForm);

    struct Place {
        qint32 source = -1;
        qint32 target = -1;
    };
    std::vector<Place> places(size);
    for (qint32 row = 0; row < count; ++row) {
        // Every row: a folder new to this round may have to be read.
        if (stop.stop_requested())
            return plan;
        const RenameEntry& e = list.at(row);
        Place& place = places[static_cast<std::size_t>(row)];
        place.source = ids.of(e.directory);
        if (const RowTarget* own = settings.rowTarget(row))
            place.target = ids.of(own->directory);
        else
            place.target = outputFolder >= 0 ? outputFolder : place.source;
    }

    // What each row shows by itself, worked out on every core: the folders are listed by now and
    // only read, and each row writes its own facts.
    struct Facts {
        quint32 targetHash = 0;
        quint32 sourceHash = 0;
        bool sourceHashed = false; // a name its folder's table holds is not hashed until needed
        bool present = false;
        bool nameless = false; // an invalid or too long new name
        bool unchanged = false;
        bool targetOnDisk = false;
        bool hides = false; // the new name starts with "." and the old one does not
        // Any row but the nameless and unchanged may reach its target in the run: a missing file
        // may be back by then.
        bool tries() const { return !nameless && !unchanged; }
    };
    std::vector<Facts> facts(size);
    forRowChunks(count, [&](qint32 first, qint32 end) {
        // The table of a folder of many files is far larger than the cache: a block of rows asks
        // for its slots before any row reads one, so that their loads overlap. Blocks end at the
        // same rows however the rows are shared out among the cores.
        constexpr auto Block = static_cast<qint32>(HashSlots::PrefetchAhead);
        std::array<quint32, Block> filenameHashes{};
        std::array<quint32, Block> renoutHashes{};
        for (qint32 start = first, blockEnd = first; start < end; start = blockEnd) {
            if (stop.stop_requested())
                return;
            blockEnd = std::min(end, (start / Block + 1) * Block);
            for (qint32 row = start; row < blockEnd; ++row) {
                list.prefetchNames(row + RenameList::NamesAhead);
                const Place& place = places[static_cast<std::size_t>(row)];
                const auto inBlock = static_cast<std::size_t>(row - start);
                renoutHashes[inBlock] = FolderNameTable::hashOf(list.renout(row));
                // A name that lies in its folder's own table is there with no lookup, and is not
                // read unless the sources are indexed.
                const FolderNameTable* sourceNames = ids.names(place.source);
                Facts& f = facts[static_cast<std::size_t>(row)];
                f.present = sourceNames && sourceNames->holds(list.filename(row));
                f.sourceHashed = !f.present;
                if (f.sourceHashed) {
                    filenameHashes[inBlock] = FolderNameTable::hashOf(list.filename(row));
                    f.sourceHash = pathHash(place.source, filenameHashes[inBlock]);
                    if (sourceNames)
                        sourceNames->prefetch(filenameHashes[inBlock]);
                }
                if (const FolderNameTable* targetNames = ids.names(place.target))
                    targetNames->prefetch(renoutHashes[inBlock]);
            }
            for (qint32 row = start; row < blockEnd; ++row) {
                const QStringView filename = list.filename(row);
                const QStringView renout = list.renout(row);
                const Place& place = places[static_cast<std::size_t>(row)];
                Facts& f = facts[static_cast<std::size_t>(row)];
                Row& planned = plan.m_rows[static_cast<std::size_t>(row)];
                const auto inBlock = static_cast<std::size_t>(row - start);
                if (f.sourceHashed) {
                    // A folder that cannot be read hides nothing: its files count as there.
                    const FolderNameTable* sourceNames = ids.names(place.source);
                    f.present =
                        !sourceNames || sourceNames->contains(filename, filenameHashes[inBlock]);
                }
                if (!namesAFile(renout))
                    planned.status = EntryStatus::InvalidName;
                else if (tooLong(renout))
                    planned.status = EntryStatus::NameTooLong;
                else if (!f.present)
                    planned.status = EntryStatus::Missing;
                f.nameless = planned.status == EntryStatus::InvalidName ||
                             planned.status == EntryStatus::NameTooLong;
                if (f.nameless)
                    continue;
                f.unchanged = place.target == place.source && renout == filename;
                f.hides = renout.startsWith(u'.') && !filename.startsWith(u'.');
                if (!f.unchanged) {
                    const FolderNameTable* targetNames = ids.names(place.target);
                    f.targetOnDisk =
                        !targetNames || targetNames->contains(renout, renoutHashes[inBlock]);
                }
                f.targetHash = pathHash(place.target, renoutHashes[inBlock]);
            }
        }
    });
    if (stop.stop_requested())
        return plan;

    constexpr std::size_t PrefetchAhead = HashSlots::PrefetchAhead;
    std::vector<quint8> duplicate(size), candidate(size);
    const auto targetOf = [&](qint32 row) {
        return std::pair<qint32, QStringView>(places[static_cast<std::size_t>(row)].target,
                                              list.renout(row));
    };
    PathIndex firstByTarget(size, targetOf);
    const auto findDuplicates = [&] {
        for (qint32 row = 0; row < count; ++row) {
            if (stopsAt(row))
                return;
            const auto at = static_cast<std::size_t>(row);
            if (const std::size_t ahead = at + PrefetchAhead; ahead < size)
                firstByTarget.prefetch(facts[ahead].targetHash);
            const Facts& f = facts[at];
            Row& planned = plan.m_rows[at];
            if (f.nameless || planned.status == EntryStatus::Missing)
                continue;
            if (f.unchanged)
                planned.status = EntryStatus::Unchanged;
            if (const qint32 first =
                    firstByTarget.findOrAdd(f.targetHash, places[at].target, list.renout(row), row);
                first >= 0) {
                duplicate[static_cast<std::size_t>(first)] = 1;
                duplicate[at] = 1;
                planned.duplicateOf = first;
                continue;
            }
            if (!f.unchanged)
                candidate[at] = 1;
        }
    };

    // Which file holds each target that is on disk: a moving one leaves it first; any other keeps
    // it, listed or not, and then the entry wanting it stays too, and so on down the line. A file
    // listed twice is held by its first row.
    const bool targetsOnDisk =
        std::any_of(facts.cbegin(), facts.cend(), [](const Facts& f) { return f.targetOnDisk; });
    const auto sourceOf = [&](qint32 row) {
        return std::pair<qint32, QStringView>(places[static_cast<std::size_t>(row)].source,
                                              list.filename(row));
    };
    PathIndex bySource(targetsOnDisk ? size : 0, sourceOf);
    const auto indexSources = [&] {
        if (!targetsOnDisk)
            return;
        for (qint32 row = 0; row < count; ++row) {
            if (stopsAt(row))
                return;
            list.prefetchFilename(row + RenameList::NamesAhead);
            if (Facts& f = facts[static_cast<std::size_t>(row)]; !f.sourceHashed) {
                f.sourceHash = pathHash(places[static_cast<std::size_t>(row)].source,
                                        FolderNameTable::hashOf(list.filename(row)));
            }
        }
        for (qint32 row = 0; row < count; ++row) {
            if (stopsAt(row))
                return;
            const auto at = static_cast<std::size_t>(row);
            if (const std::size_t ahead = at + PrefetchAhead; ahead < size)
                bySource.prefetch(facts[ahead].sourceHash);
            if (facts[at].present)
                bySource.findOrAdd(facts[at].sourceHash, places[at].source, list.filename(row),
                                   row);
        }
    };
    // Each reads only the facts and writes its own.
    alongside(count, findDuplicates, indexSources);
    if (stop.stop_requested())
        return plan;

    std::vector<quint8> taken(size);
    if (targetsOnDisk) {
        std::vector<qint32> dependent(size, -1);
        // Only reads the index; candidates want targets no other candidate wants, so each holder
        // has one dependent at most and no two rows write the same place.
        forRowChunks(count, [&](qint32 first, qint32 end) {
            for (qint32 row = first; row < end; ++row) {
                if (stopsAt(row))
                    return;
                const auto at = static_cast<std::size_t>(row);
                if (const std::size_t ahead = at + PrefetchAhead;
                    ahead < static_cast<std::size_t>(end))
                    bySource.prefetch(facts[ahead].targetHash);
                if (!facts[at].tries())
                    continue;
                const Place& place = places[at];
                Row& planned = plan.m_rows[at];
                const qint32 holder =
                    bySource.find(facts[at].targetHash, place.target, list.renout(row));
                if (!candidate[at]) {
                    // A later duplicate or a missing file: whoever holds its target now, listed,
                    // is not to be overwritten by it.
                    planned.heldByListed = holder >= 0 && holder != row;
                    continue;
                }
                if (holder >= 0 && candidate[static_cast<std::size_t>(holder)]) {
                    planned.holder = holder;
                    dependent[static_cast<std::size_t>(holder)] = row;
                } else if (holder >= 0) {
                    planned.heldByListed = true;
                    taken[at] = 1;
                } else if (facts[at].targetOnDisk && ids.names(place.target) != nullptr) {
                    // On disk in a folder that could be read, so not only counted as there.
                    taken[at] = 1;
                }
            }
        });
        if (stop.stop_requested())
            return plan;
        for (qint32 row = 0; row < count; ++row) {
            if (!taken[static_cast<std::size_t>(row)])
                continue;
            for (qint32 next = dependent[static_cast<std::size_t>(row)];
                 next >= 0 && !taken[static_cast<std::size_t>(next)];
                 next = dependent[static_cast<std::size_t>(next)])
                taken[static_cast<std::size_t>(next)] = 1;
        }
    }

    std::atomic<qint32> toCheck = 0;
    forRowChunks(count, [&](qint32 first, qint32 end) {
        qint32 chunkToCheck = 0;
        for (auto at = static_cast<std::size_t>(first); at < static_cast<std::size_t>(end); ++at) {
            Row& planned = plan.m_rows[at];
            planned.moves = candidate[at] && !taken[at];
            if (planned.status == EntryStatus::Ready || planned.status == EntryStatus::Unchanged) {
                if (duplicate[at])
                    planned.status = EntryStatus::Duplicate;
                else if (taken[at])
                    planned.status = EntryStatus::NameTaken;
                else if (planned.status == EntryStatus::Ready && facts[at].hides)
                    planned.status = EntryStatus::BecomesHidden;
            }
            if (needsCheck(planned.status))
                ++chunkToCheck;
        }
        toCheck += chunkToCheck;
    });
    plan.m_toCheck = toCheck;
    return plan;
}

} // namespace quillane
