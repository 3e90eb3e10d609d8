#pragma once

#include "platform/PosixFileSystem.h"

namespace quillane {

// The real file system, counting the folder listings the statuses ask for.
class CountingFileSystem final : public PosixFileSystem {
public:
    std::optional<FolderNameListing> folderNames(const QString& directory) override {
        ++listings;
        return PosixFileSystem::folderNames(directory);
    }
    int listings = 0;
};

} // namespace quillane
