#pragma once

#include "gathering/FileFilterSet.h"
#include "platform/Dialogs.h"
#include "settings/Registry.h"

#include <QStringView>
#include <QtGlobal>

namespace quillane {

// The file filter set as the settings store keeps it: a count under the program key and one
// numbered value per filter in each of two subkeys.
class FileFilterStore {
public:
    // The most filters ever read. A larger stored count comes from a damaged store, and reading
    // stops here so that it costs at most this many look-ups.
    static constexpr qint32 MaxFilterCount = 32767;

    FileFilterStore(Registry& registry, Dialogs& dialogs)
        : m_registry(registry), m_dialogs(dialogs) {}

    // The stored set. A missing or zero count is reported to the user on top of the owner, and
    // the defaults are stored and returned.
    FileFilterSet ReadFileFilterSet(DialogOwner owner = DialogOwner::MainWindow);
    // The stored set for the filter editor: the count of filters actually found is stored at
    // once, and a set with none is reported and replaced by the defaults.
    FileFilterSet loadForEditing(DialogOwner owner);
    // Replaces the stored set, numbering the filters from 1. False when the store refused a write.
    [[nodiscard]] bool WriteFileFilterSet(const FileFilterSet& set);
    // Stores the default set in place of whatever was there; false as above.
    [[nodiscard]] bool ResetFileFilter();
    // What to tell the user on top of `owner` when the store refused the set.
    static MessageRequest notSavedMessage(DialogOwner owner);
    // The start-up check: a missing or zero count is replaced by the defaults without a word.
    void repairAtStartup();

    // The count a stored text stands for: its leading number after any spaces, 0 without one,
    // never more than MaxFilterCount.
    static qint32 countFromText(QStringView text);

private:
    bool countIsMissing() const;
    // Tells the user on top of `owner`, then stores and returns the defaults.
    FileFilterSet replaceDamagedSet(DialogOwner owner);

    Registry& m_registry;
    Dialogs& m_dialogs;
};

} // namespace quillane
