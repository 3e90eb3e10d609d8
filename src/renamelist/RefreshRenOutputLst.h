#pragma once

#include "renamelist/RenameList.h"
#include "rules/DateTimeStamper.h"
#include "rules/RenameRuleSet.h"

namespace quillane {

// Writes every row's new name into its renout cell, numbering by display position.
void RefreshRenOutputLst(RenameList& list, const RenameRuleSet& rules,
                         const DateTimeStamper& stamper);

} // namespace quillane
