#pragma once

#include "rules/RenameRuleSet.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

namespace quillane {

// A rule set as named texts, the form a saved preset keeps it in: every option under its field's
// name, the affixes' under "Prefix." and "Suffix." and theirs, the pages' memories included.
using RuleValues = QList<std::pair<QString, QString>>;

RuleValues valuesOf(const RenameRuleSet& rules);

// The rule set that named texts describe. A value that is absent or does not read as its option
// leaves that option at its start-up default, so values saved before an option existed
// still restore.
RenameRuleSet ruleSetFrom(const std::function<std::optional<QString>(const QString& name)>& value);

} // namespace quillane
