#include "renamelist/RefreshRenOutputLst.h"

#include "rules/GetRenFilename.h"

namespace quillane {

void RefreshRenOutputLst(RenameList& list, const RenameRuleSet& rules,
                         const DateTimeStamper& stamper) {
    const qint32 count = list.count();
    for (qint32 row = 0; row < count; ++row) {
        const RenameEntry& e = list.at(row);
        list.setCell(row, ListColumn::Renout,
                     GetRenFilename(e.filename, row, rules, stamper, e.dates));
    }
}

} // namespace quillane
