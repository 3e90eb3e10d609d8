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

RenameRuleSet RenameRuleSet::withOwnTexts() const {
    RenameRuleSet own = *this;
    const auto unshare = [](QString& text) {
        text = QString(text.constData(), text.size());
    };
    for (QString* text : {&own.NewFilename, &own.NewExtension, &own.ReplaceWhat, &own.ReplaceWith})
        unshare(*text);
    for (AffixRule* affix : {&own.Prefix, &own.Suffix}) {
        for (QString* text :
             {&affix->Text, &affix->Padding, &affix->Increment, &affix->AlphabetMemory})
            unshare(*text);
    }
    return own;
}

void RenameRuleSet::prepareReplacePattern() {
    ReplacePattern = ReplaceRegex ? SearchPattern(ReplaceWhat, ReplaceIgnoreCase) : SearchPattern();
}

} // namespace quillane
