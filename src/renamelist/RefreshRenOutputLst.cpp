#include "renamelist/RefreshRenOutputLst.h"

#include "rules/GetRenFilename.h"

namespace quillane {

void RefreshRenOutputLst(RenameList& list, const RenameRuleSet& rules,
                         const DateTimeStamper& stamper) {
    // Each name depends on its own row alone, so the rows are shared out among the cores; the
    // result is the serial one.
    list.setRenouts([&](qint32 first, qint32 end, RenameList::RenoutWriter& names) {
        const RenameRuleSet own = rules.withOwnTexts();
        for (qint32 row = first; row < end; ++row) {
            list.prefetchFilename(row + RenameList::NamesAhead);
            const RenameEntry& e = list.at(row);
            names.write(row, [&](TextBuffer& name) {
                BuildRenFilename(name, list.filename(row), row, own, stamper, e.dates);
            });
        }
    });
}

} // namespace quillane
