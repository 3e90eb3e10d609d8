#include "rules/RenameRuleSet.h"

namespace quillane {

int RenameRuleSet::newAttributeValue() const {
    return (AttrReadOnly ? 1 : 0) | (AttrHidden ? 2 : 0) | (AttrSystem ? 4 : 0) |
           (AttrArchive ? 32 : 0);
}

void RenameRuleSet::prepareReplacePattern() {
    ReplacePattern = ReplaceRegex ? SearchPattern(ReplaceWhat, ReplaceIgnoreCase) : SearchPattern();
}

} // namespace quillane
