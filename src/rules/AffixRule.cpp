#include "rules/AffixRule.h"

using namespace Qt::StringLiterals;

namespace quillane {

QString noPaddingText() {
    return u"None"_s;
}

AffixRule AffixRule::prefixAtStartUp() {
    AffixRule rule;
    rule.Page = AffixPage::Alphabetic;
    rule.Padding = noPaddingText();
    rule.Increment = u"1"_s;
    return rule;
}

AffixRule AffixRule::suffixAtStartUp() {
    AffixRule rule = prefixAtStartUp();
    rule.Page = AffixPage::Numeric;
    rule.Text = u"1"_s;
    rule.Ascending = true;
    return rule;
}

} // namespace quillane
