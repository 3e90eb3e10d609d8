#include "renamelist/FolderNames.h"

namespace quillane {

void FolderNames::startRound() {
    std::erase_if(m_known, [this](const auto& known) { return known.second.round != m_round; });
    ++m_round;
}

const QSet<QString>* FolderNames::names(const QString& folder) {
    Known& known = m_known[folder];
    if (known.round != m_round) {
        known.round = m_round;
        const bool stillTrue = known.listing && !known.listing->recentlyChanged &&
                               m_files.folderStamp(folder) == known.listing->stamp;
        if (!stillTrue)
            known.listing = m_files.folderNames(folder);
    }
    return known.listing ? &known.listing->names : nullptr;
}

} // namespace quillane
