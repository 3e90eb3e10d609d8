#pragma once

#include "platform/FileSystem.h"

#include <QSet>
#include <QString>

#include <unordered_map>

namespace quillane {

// The names each folder holds, read once and read again only when the folder has changed, so
// that checking many new names against the disk costs a look at each folder, not a listing.
class FolderNames {
public:
    explicit FolderNames(FileSystem& files) : m_files(files) {}

    // Starts a round of lookups: each folder is looked at again at most once per round, and
    // folders not asked for in a round are forgotten at the start of the next.
    void startRound();
    // Nothing when the folder cannot be read; valid until the next round starts.
    const QSet<QString>* names(const QString& folder);

private:
    struct Known {
        std::optional<FolderNameListing> listing;
        quint64 round = 0;
    };

    FileSystem& m_files;
    // Node by node, so that a folder met later in a round never moves the names handed out for
    // an earlier one.
    std::unordered_map<QString, Known> m_known;
    quint64 m_round = 0;
};

} // namespace quillane
