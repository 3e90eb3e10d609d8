#include "renamelist/RefreshRenOutputLst.h"

#include "renamelist/RowChunks.h"
#include "rules/GetRenFilename.h"

namespace quillane {

void RefreshRenOutputLst(RenameList& list, const RenameRuleSet& rules,
                         const DateTimeStamper& stamper) {
    // Each name depends on its own row alone, so the rows are shared out among the cores; the
    // result is the serial one.
    forRowChunks(list.count(), [&](qint32 first, qint32 end) {
        const RenameRuleSet own = rules.withOwnTexts();
        TextBuffer name;
        for (qint32 row = first; row < end; ++row) {
            list.prefetchNames(row + RenameList::NamesAhead);
            const RenameEntry& e = list.at(row);
            BuildRenFilename(name, e.filename, row, own, stamper, e.dates);
            list.setRenout(row, name.view());
        }
    });
}

} // namespace quillane
