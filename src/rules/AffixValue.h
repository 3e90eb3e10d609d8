#pragma once

#include "rules/AffixRule.h"

#include <QString>
#include <QtGlobal>

namespace quillane {

// The prefix or suffix text for the entry at ListIndex (0 for the first row; a negative index
// counts as 0).
QString AffixValue(const AffixRule& rule, qint32 ListIndex);

} // namespace quillane
