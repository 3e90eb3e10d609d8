#pragma once

#include "rules/AffixRule.h"
#include "rules/TextBuffer.h"

#include <QString>
#include <QtGlobal>

namespace quillane {

// Appends the prefix or suffix text for the entry at ListIndex (0 for the first row; a negative
// index counts as 0) to a name being built.
void appendAffixValue(TextBuffer& name, const AffixRule& rule, qint32 ListIndex);

} // namespace quillane
