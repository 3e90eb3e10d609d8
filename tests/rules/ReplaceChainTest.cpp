#include "rules/ReplaceChain.h"

#include "tests/CaseName.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

struct ChainCase {
    const char* name;
    std::function<void(RenameRuleSet&)> set;
    QString stem;
    QString expected;
};

class ReplaceChainTest : public testing::TestWithParam<ChainCase> {};

TEST_P(ReplaceChainTest, TransformsTheStem) {
    const ChainCase& c = GetParam();
    RenameRuleSet rules;
    rules.ReplaceOn = true;
    c.set(rules);
    EXPECT_EQ(ApplyReplaceChain(c.stem, rules), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ReplaceChainTest,
    testing::Values(ChainCase{"NothingCheckedChangesNothing", [](RenameRuleSet&) {},
                              u"a b_c-d[1]%41"_s, u"a b_c-d[1]%41"_s},
                    ChainCase{"InsertedTextNotSearchedAgain",
                              [](RenameRuleSet& r) {
                                  r.ReplaceWhat = u"a"_s;
                                  r.ReplaceWith = u"aa"_s;
                              },
                              u"banana"_s, u"baanaanaa"_s},
                    ChainCase{"SearchIsCaseSensitive",
                              [](RenameRuleSet& r) {
                                  r.ReplaceWhat = u"A"_s;
                                  r.ReplaceWith = u"x"_s;
                              },
                              u"banana"_s, u"banana"_s},
                    ChainCase{"MatchesDoNotOverlap",
                              [](RenameRuleSet& r) {
                                  r.ReplaceWhat = u"aa"_s;
                                  r.ReplaceWith = u"b"_s;
                              },
                              u"aaa"_s, u"ba"_s},
                    ChainCase{"EmptySearchWithReplacementChangesNothing",
                              [](RenameRuleSet& r) { r.ReplaceWith = u"x"_s; }, u"abc"_s, u"abc"_s},
                    ChainCase{"SpaceAndUnderscoreBothEndAsSpace",
                              [](RenameRuleSet& r) {
                                  r.SpaceToUnderscore = true;
                                  r.UnderscoreToSpace = true;
                              },
                              u"a b_c"_s, u"a b c"_s},
                    ChainCase{"UnderscoreToSpaceLeavesNoneForHyphen",
                              [](RenameRuleSet& r) {
                                  r.UnderscoreToSpace = true;
                                  r.UnderscoreToHyphen = true;
                              },
                              u"a_b"_s, u"a b"_s},
                    ChainCase{"Removals",
                              [](RenameRuleSet& r) {
                                  r.RemoveSpaces = true;
                                  r.RemoveUnderscores = true;
                                  r.RemoveHyphens = true;
                              },
                              u"a b_c-d"_s, u"abcd"_s},
                    ChainCase{"ReplacedCharactersAreThenRemoved",
                              [](RenameRuleSet& r) {
                                  r.SpaceToUnderscore = true;
                                  r.UnderscoreToHyphen = true;
                                  r.RemoveHyphens = true;
                              },
                              u"a b_c-d"_s, u"abcd"_s},
                    ChainCase{"DecodedSpaceIsNotRemoved",
                              [](RenameRuleSet& r) {
                                  r.RemoveSpaces = true;
                                  r.DecodeUrlEscapes = true;
                              },
                              u"my file%20name"_s, u"myfile name"_s},
                    ChainCase{"BothBracketKinds",
                              [](RenameRuleSet& r) {
                                  r.RemoveSquareNumbers = true;
                                  r.RemoveRoundNumbers = true;
                              },
                              u"x[1](2)"_s, u"x"_s}),
    CaseName());

struct BracketCase {
    const char* name;
    QString text;
    QString open;
    QString close;
    QString expected;
};

class RemoveBracketsTest : public testing::TestWithParam<BracketCase> {};

TEST_P(RemoveBracketsTest, RemovesOnlyBracketedNumbers) {
    const BracketCase& c = GetParam();
    EXPECT_EQ(RemoveBrackets(c.text, c.open, c.close), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Heads, RemoveBracketsTest,
    testing::Values(BracketCase{"SpacesAroundStay", u"Copy (2) of (old)"_s, u"("_s, u")"_s,
                                u"Copy  of (old)"_s},
                    BracketCase{"TrailingSpaceStays", u"photo (2)"_s, u"("_s, u")"_s, u"photo "_s},
                    BracketCase{"EveryOccurrenceGoes", u"track[1]a[1]"_s, u"["_s, u"]"_s,
                                u"tracka"_s},
                    BracketCase{"EmptyHead", u"a[]b"_s, u"["_s, u"]"_s, u"a[]b"_s},
                    BracketCase{"BlanksAroundHead", u"a[ 3 ]b"_s, u"["_s, u"]"_s, u"ab"_s},
                    BracketCase{"Signed", u"a[-3]b[+4]"_s, u"["_s, u"]"_s, u"ab"_s},
                    BracketCase{"Decimal", u"a(2.5)b"_s, u"("_s, u")"_s, u"ab"_s},
                    BracketCase{"LeadingPoint", u"a(.5)"_s, u"("_s, u")"_s, u"a"_s},
                    BracketCase{"Letters", u"a[3a]"_s, u"["_s, u"]"_s, u"a[3a]"_s},
                    BracketCase{"Exponent", u"a[1e3]"_s, u"["_s, u"]"_s, u"a[1e3]"_s},
                    BracketCase{"Grouping", u"a[1,000]"_s, u"["_s, u"]"_s, u"a[1,000]"_s},
                    BracketCase{"TwoPoints", u"a[1.2.3]"_s, u"["_s, u"]"_s, u"a[1.2.3]"_s},
                    BracketCase{"Unclosed", u"a[3"_s, u"["_s, u"]"_s, u"a[3"_s},
                    BracketCase{"OtherKindUntouched", u"a[3]"_s, u"("_s, u")"_s, u"a[3]"_s},
                    BracketCase{"NestedOpening", u"a[[2]"_s, u"["_s, u"]"_s, u"a["_s},
                    BracketCase{"RemovalJoinsNoNewGroup", u"[[1]2]"_s, u"["_s, u"]"_s, u"[2]"_s},
                    BracketCase{"ClosingFirst", u"5]x[5]"_s, u"["_s, u"]"_s, u"5]x"_s}),
    CaseName());

} // namespace
} // namespace quillane
