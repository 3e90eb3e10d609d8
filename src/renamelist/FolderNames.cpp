#include "renamelist/FolderNames.h"

#include <utility>

namespace quillane {

FolderNameTable::FolderNameTable(QString names) : m_names(std::move(names)) {
    m_starts.push_back(0);
    for (qsizetype at = m_names.indexOf(QChar(u'\0')); at >= 0;
         at = m_names.indexOf(QChar(u'\0'), at + 1))
        m_starts.push_back(at + 1);
    const std::size_t count = m_starts.size() - 1;
    std::vector<quint32> hashes(count);
    for (std::size_t key = 0; key < count; ++key)
        hashes[key] = hashOf(nameAt(static_cast<qint32>(key)));
    m_slots = HashSlots(count);
    for (std::size_t key = 0; key < count; ++key) {
        if (key + HashSlots::PrefetchAhead < count)
            m_slots.prefetch(hashes[key + HashSlots::PrefetchAhead]);
        // A folder holds each name once: every name gets a slot of its own.
        m_slots.slotFor(hashes[key], [](qint32) { return false; }) = {hashes[key],
                                                                      static_cast<qint32>(key)};
    }
}

void FolderNames::startRound() {
    if (!std::exchange(m_roundCutShort, false))
        std::erase_if(m_known, [this](const auto& known) { return known.second.round != m_round; });
    ++m_round;
}

void FolderNames::cutRoundShort() {
    m_roundCutShort = true;
}

const FolderNameTable* FolderNames::names(const QString& folder) {
    Known& known = m_known[folder];
    if (known.round != m_round) {
        known.round = m_round;
        if (!known.stillTrue(m_files.folderStamp(folder))) {
            std::optional<FolderNameListing> listing = m_files.folderNames(folder);
            known.names.reset();
            if (listing)
                known.take(std::move(*listing));
        }
    }
    return known.names ? &*known.names : nullptr;
}

void FolderNames::keep(ReadFolder read) {
    Known& known = m_known[read.folder];
    // Asked for in this round, so that the next one keeps it.
    known.round = m_round;
    if (!known.stillTrue(read.listing.stamp))
        known.take(std::move(read.listing));
}

} // namespace quillane
