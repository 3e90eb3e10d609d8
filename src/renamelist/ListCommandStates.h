#pragma once

#include <QString>
#include <QtGlobal>

namespace quillane {

// Which groups of list commands are enabled, and the counters for the status bar, for a list of
// entryCount rows of which selectedCount are selected.
struct ListCommandStates {
    bool removeGroup = false; // Remove, Remove All
    bool moveGroup = false;   // Move Up, Move Down, Move To First, Move To Last
    bool listGroup = false;   // Rename, Clear, Select All, Deselect All, Inverse Select
    QString statusText;

    static ListCommandStates fromCounts(qint32 entryCount, qint32 selectedCount);
};

} // namespace quillane
