#pragma once

#include "platform/FileSystem.h"
#include "renamelist/HashSlots.h"

#include <QSet>
#include <QString>

#include <unordered_map>

namespace quillane {

// The names of one folder, looked up by a hash that a caller checking a name against several
// tables works out once.
class FolderNameTable {
public:
    explicit FolderNameTable(const QSet<QString>& names);

    static quint32 hashOf(QStringView name) { return static_cast<quint32>(qHash(name)); }
    bool contains(QStringView name, quint32 hash) const {
        return m_slots.slotFor(hash, [&](qint32 key) { return m_names[key] == name; }).key >= 0;
    }
    bool contains(QStringView name) const { return contains(name, hashOf(name)); }

private:
    QStringList m_names;
    HashSlots m_slots;
};

// The names each folder holds, read once and read again only when the folder has changed, so
// that checking many new names against the disk costs a look at each folder, not a listing.
class FolderNames {
public:
    explicit FolderNames(FileSystem& files) : m_files(files) {}

    // Starts a round of lookups: each folder is looked at again at most once per round, and
    // folders not asked for in a round are forgotten at the start of the next.
    void startRound();
    // Nothing when the folder cannot be read; valid until the next round starts.
    const FolderNameTable* names(const QString& folder);

private:
    struct Known {
        FolderStamp stamp;
        bool recentlyChanged = false;
        std::optional<FolderNameTable> names;
        quint64 round = 0;
    };

    FileSystem& m_files;
    // Node by node, so that a folder met later in a round never moves the names handed out for
    // an earlier one.
    std::unordered_map<QString, Known> m_known;
    quint64 m_round = 0;
};

} // namespace quillane
