#include "renamelist/ListCommandStates.h"

using namespace Qt::StringLiterals;

namespace quillane {

ListCommandStates ListCommandStates::fromCounts(qint32 entryCount, qint32 selectedCount) {
    ListCommandStates states;
    states.removeGroup = states.moveGroup = states.listGroup = entryCount >= 1;
    if (selectedCount == 1) {
        states.removeGroup = true;
        states.moveGroup = entryCount >= 2;
    } else if (selectedCount == 0) {
        states.removeGroup = states.moveGroup = false;
    } else {
        states.removeGroup = states.moveGroup = true;
    }
    states.statusText = QString::number(entryCount) + (entryCount <= 1 ? u" file"_s : u" files"_s) +
                        u", "_s + QString::number(selectedCount) + u" selected"_s;
    return states;
}

} // namespace quillane
