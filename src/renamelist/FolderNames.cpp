#include "renamelist/FolderNames.h"

namespace quillane {

FolderNameTable::FolderNameTable(const QSet<QString>& names)
    : m_names(names.cbegin(), names.cend()), m_slots(static_cast<std::size_t>(names.size())) {
    for (qint32 key = 0; key < m_names.size(); ++key) {
        // A set holds each name once: every name gets a slot of its own.
        const quint32 hash = hashOf(m_names[key]);
        m_slots.slotFor(hash, [](qint32) { return false; }) = {hash, key};
    }
}

void FolderNames::startRound() {
    std::erase_if(m_known, [this](const auto& known) { return known.second.round != m_round; });
    ++m_round;
}

const FolderNameTable* FolderNames::names(const QString& folder) {
    Known& known = m_known[folder];
    if (known.round != m_round) {
        known.round = m_round;
        const bool stillTrue =
            known.names && !known.recentlyChanged && m_files.folderStamp(folder) == known.stamp;
        if (!stillTrue) {
            const std::optional<FolderNameListing> listing = m_files.folderNames(folder);
            known.names.reset();
            if (listing) {
                known.stamp = listing->stamp;
                known.recentlyChanged = listing->recentlyChanged;
                known.names.emplace(listing->names);
            }
        }
    }
    return known.names ? &*known.names : nullptr;
}

} // namespace quillane
