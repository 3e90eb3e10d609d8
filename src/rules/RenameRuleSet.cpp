#include "rules/RenameRuleSet.h"

namespace quillane {

int RenameRuleSet::newAttributeValue() const {
    return (AttrReadOnly ? 1 : 0) | (AttrHidden ? 2 : 0) | (AttrSystem ? 4 : 0) |
           (AttrArchive ? 32 : 0);
}

DatesNeeded RenameRuleSet::datesNeeded() const {
    if (!StampOn)
        return DatesNeeded::None;
    switch (StampSource) {
    case StampMoment::Now:
        break;
    case StampMoment::FileModified:
        return DatesNeeded::Modified;
    case StampMoment::PhotoTaken:
        return DatesNeeded::Taken;
    }
    return DatesNeeded::None;
}

void RenameRuleSet::prepareReplacePattern() {
    ReplacePattern = ReplaceRegex ? SearchPattern(ReplaceWhat, ReplaceIgnoreCase) : SearchPattern();
}

} // namespace quillane
