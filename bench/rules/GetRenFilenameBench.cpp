#include "rules/GetRenFilename.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

// Every rule the program had before patterns and trimming, the system clock included. The new
// base name stays off: it would skip the search-and-replace group.
RenameRuleSet everyPlainRuleOn() {
    RenameRuleSet rules;
    rules.NewFilenameOn = false;
    rules.NewExtensionOn = true;
    rules.NewExtension = u"jpeg"_s;
    rules.CaseMode = 3;
    rules.ReplaceOn = true;
    rules.ReplaceWhat = u"photo"_s;
    rules.ReplaceWith = u"picture"_s;
    rules.SpaceToUnderscore = true;
    rules.UnderscoreToSpace = true;
    rules.UnderscoreToHyphen = true;
    rules.RemoveSpaces = true;
    rules.RemoveUnderscores = true;
    rules.RemoveHyphens = true;
    rules.RemoveSquareNumbers = true;
    rules.RemoveRoundNumbers = true;
    rules.DecodeUrlEscapes = true;
    rules.Prefix.Page = AffixPage::Numeric;
    rules.Prefix.Ascending = true;
    rules.Prefix.Text = u"100"_s;
    rules.Prefix.Increment = u"5"_s;
    rules.Prefix.Padding = u"6"_s;
    rules.Suffix.Padding = u"4"_s;
    rules.StampOn = true;
    rules.StampFormat = 22;
    rules.StampAsPrefix = false;
    return rules;
}

// Every rule on: the search a pattern with groups, ignoring case, and the spaces trimmed.
RenameRuleSet everyRuleOn() {
    RenameRuleSet rules = everyPlainRuleOn();
    rules.ReplaceRegex = true;
    rules.ReplaceIgnoreCase = true;
    rules.ReplaceWhat = u"(photo)\\s+(\\d+)"_s;
    rules.ReplaceWith = u"$2 $1"_s;
    rules.TrimSpaces = true;
    rules.prepareReplacePattern();
    return rules;
}

void buildNames(benchmark::State& state, const RenameRuleSet& rules) {
    const DateTimeStamper stamper = DateTimeStamper::system();
    const QString name = u"my_holiday Photo 2005 [2] (3) %20summer.JPG"_s;
    qint32 index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetRenFilename(name, index, rules, stamper));
        index = (index + 1) & 0xFFFF;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_GetRenFilename_AllRules(benchmark::State& state) {
    buildNames(state, everyRuleOn());
}
BENCHMARK(BM_GetRenFilename_AllRules);

// Beside it, the same name under the rules without a pattern and trimming.
void BM_GetRenFilename_AllPlainRules(benchmark::State& state) {
    buildNames(state, everyPlainRuleOn());
}
BENCHMARK(BM_GetRenFilename_AllPlainRules);

} // namespace
} // namespace quillane
