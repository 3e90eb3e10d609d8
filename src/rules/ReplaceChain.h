#pragma once

#include "rules/RenameRuleSet.h"

#include <QString>

namespace quillane {

// Runs the search-and-replace group over a stem: the search (plain text or a pattern), the three
// replacements, the three removals, the two bracket removals, the escape decoding and the
// trimming, in that order, each step only when its option is on. Comparisons are exact and
// case-sensitive unless the search is asked to ignore case.
QString ApplyReplaceChain(QString text, const RenameRuleSet& rules);

// Removes every bracketed number such as [1] or (2.5) (opening text, a number, closing text),
// leaving the spaces around it.
QString RemoveBrackets(QString ReplaceWhichString, const QString& Bracks1, const QString& Bracks2);

} // namespace quillane
