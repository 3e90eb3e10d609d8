#pragma once

#include "rules/AffixRule.h"
#include "rules/SearchPattern.h"

#include <QString>

namespace quillane {

// The moment the stamp shows; the values are the indexes of stampSourceEntries().
enum class StampMoment { Now = 0, FileModified = 1, PhotoTaken = 2 };

// Which file dates a rule set needs read.
enum class DatesNeeded { None, Modified, Taken };

// Every option that decides a new name, plus the attributes the rename run sets.
// Default-constructed, it holds the rule controls' state after start-up.
struct RenameRuleSet {
    bool NewFilenameOn = true;
    QString NewFilename = QStringLiteral("Image");
    bool NewExtensionOn = false;
    QString NewExtension;
    int CaseMode = 0; // index into caseModeEntries()

    bool ReplaceOn = false;
    QString ReplaceWhat;
    QString ReplaceWith;
    bool ReplaceRegex = false;      // ReplaceWhat is a regular expression
    bool ReplaceIgnoreCase = false; // for plain and pattern search alike
    // ReplaceWhat compiled, when it is a regular expression: prepareReplacePattern().
    SearchPattern ReplacePattern;
    bool SpaceToUnderscore = false;
    bool UnderscoreToSpace = false;
    bool UnderscoreToHyphen = false;
    bool RemoveSpaces = false;
    bool RemoveUnderscores = false;
    bool RemoveHyphens = false;
    bool RemoveSquareNumbers = false;
    bool RemoveRoundNumbers = false;
    bool DecodeUrlEscapes = false;
    bool TrimSpaces = false;

    AffixRule Prefix = AffixRule::prefixAtStartUp();
    AffixRule Suffix = AffixRule::suffixAtStartUp();

    bool StampOn = false;
    int StampFormat = 9; // index into stampFormatEntries()
    bool StampAsPrefix = true;
    StampMoment StampSource = StampMoment::Now;

    bool NewAttributesOn = false;
    bool AttrReadOnly = false;
    bool AttrHidden = false;
    bool AttrSystem = false;
    bool AttrArchive = false;

    // The attribute value the rename run sets: the sum of the flags that are on.
    int newAttributeValue() const;
    DatesNeeded datesNeeded() const;
    // Compiles ReplaceWhat once for every name the rules are to build.
    void prepareReplacePattern();
    // The same rules with texts of their own. Copying a shared text counts a reference in memory
    // all copies share, so threads building names each take their own, not to contend for it.
    RenameRuleSet withOwnTexts() const;
};

} // namespace quillane
