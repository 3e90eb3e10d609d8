#pragma once

#include "platform/FileSystem.h"
#include "renamelist/HashSlots.h"

#include <QString>

#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quillane {

// The names of one folder, looked up by a hash that a caller checking a name against several
// tables works out once.
class FolderNameTable {
public:
    // `names` as a listing holds them: each ended by a NUL.
    explicit FolderNameTable(QString names);

    // Not qHash: its keyed hash resists chosen keys at several times the cost, and a folder's own
    // names are not chosen against this table.
    static quint32 hashOf(QStringView name) {
        return static_cast<quint32>(
            std::hash<std::u16string_view>{}(std::u16string_view(name.utf16(), name.size())));
    }
    bool contains(QStringView name, quint32 hash) const {
        return m_slots.slotFor(hash, [&](qint32 key) { return nameAt(key) == name; }).key >= 0;
    }
    bool contains(QStringView name) const { return contains(name, hashOf(name)); }
    // Whether `name` lies in the table's own text, as a name of the listing the table was made
    // from does when its text is shared: then the table holds it, with no lookup.
    bool holds(QStringView name) const {
        return std::less_equal<>()(m_names.constData(), name.constData()) &&
               std::less_equal<>()(name.constData() + name.size(),
                                   m_names.constData() + m_names.size());
    }
    void prefetch(quint32 hash) const { m_slots.prefetch(hash); }

private:
    QStringView nameAt(qint32 key) const {
        const auto at = static_cast<std::size_t>(key);
        return QStringView(m_names).sliced(m_starts[at], m_starts[at + 1] - m_starts[at] - 1);
    }

    QString m_names;
    // Where each name starts, and one past the last name's NUL.
    std::vector<qsizetype> m_starts;
    HashSlots m_slots;
};

// A folder's names as a walk that added its files read them, the folder in the form its rows hold.
struct ReadFolder {
    QString folder;
    FolderNameListing listing;
};

// The names each folder holds, read once and read again only when the folder has changed, so
// that checking many new names against the disk costs a look at each folder, not a listing.
class FolderNames {
public:
    explicit FolderNames(FileSystem& files) : m_files(files) {}

    // Starts a round of lookups: each folder is looked at again at most once per round, and
    // folders not asked for in a round are forgotten at the start of the next.
    void startRound();
    // The round ends before it asked for every folder it meant to: the next round forgets none
    // it did not get to.
    void cutRoundShort();
    // Nothing when the folder cannot be read; valid until the next round starts.
    const FolderNameTable* names(const QString& folder);
    // Takes a listing read elsewhere as the folder's, trusted as one read here would be, so that
    // the next round need not read the folder again.
    void keep(ReadFolder read);

private:
    struct Known {
        FolderStamp stamp;
        bool recentlyChanged = false;
        std::optional<FolderNameTable> names;
        quint64 round = 0;

        // Whether the names kept are still the folder's, now that it shows `now`: a folder
        // changed within its stamp's resolution may have changed again unseen.
        bool stillTrue(const std::optional<FolderStamp>& now) const {
            return names && !recentlyChanged && now == stamp;
        }
        void take(FolderNameListing listing) {
            stamp = listing.stamp;
            recentlyChanged = listing.recentlyChanged;
            names.emplace(std::move(listing.names));
        }
    };

    FileSystem& m_files;
    // Node by node, so that a folder met later in a round never moves the names handed out for
    // an earlier one.
    std::unordered_map<QString, Known> m_known;
    quint64 m_round = 0;
    bool m_roundCutShort = false;
};

} // namespace quillane
