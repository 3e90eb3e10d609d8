#include "rules/ReplaceChain.h"

#include "rules/SearchPattern.h"
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

// The search taken as plain text, case counting unless ignored.
ChainCase search(const char* name, const QString& what, const QString& with, const QString& stem,
                 const QString& expected, bool ignoreCase = false) {
    return {name,
            [=](RenameRuleSet& r) {
                r.ReplaceIgnoreCase = ignoreCase;
                r.ReplaceWhat = what;
                r.ReplaceWith = with;
            },
            stem, expected};
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ReplaceChainTest,
    testing::Values(
        ChainCase{"NothingCheckedChangesNothing", [](RenameRuleSet&) {}, u"a b_c-d[1]%41"_s,
                  u"a b_c-d[1]%41"_s},
        search("InsertedTextNotSearchedAgain", u"a"_s, u"aa"_s, u"banana"_s, u"baanaanaa"_s),
        search("SearchIsCaseSensitive", u"A"_s, u"x"_s, u"banana"_s, u"banana"_s),
        search("MatchesDoNotOverlap", u"aa"_s, u"b"_s, u"aaa"_s, u"ba"_s),
        search("EmptySearchWithReplacementChangesNothing", u""_s, u"x"_s, u"abc"_s, u"abc"_s),
        ChainCase{"SpaceAndUnderscoreBothEndAsSpace",
                  [](RenameRuleSet& r) { r.SpaceToUnderscore = r.UnderscoreToSpace = true; },
                  u"a b_c"_s, u"a b c"_s},
        ChainCase{"UnderscoreToSpaceLeavesNoneForHyphen",
                  [](RenameRuleSet& r) { r.UnderscoreToSpace = r.UnderscoreToHyphen = true; },
                  u"a_b"_s, u"a b"_s},
        ChainCase{
            "Removals",
            [](RenameRuleSet& r) { r.RemoveSpaces = r.RemoveUnderscores = r.RemoveHyphens = true; },
            u"a b_c-d"_s, u"abcd"_s},
        ChainCase{"ReplacedCharactersAreThenRemoved",
                  [](RenameRuleSet& r) {
                      r.SpaceToUnderscore = r.UnderscoreToHyphen = r.RemoveHyphens = true;
                  },
                  u"a b_c-d"_s, u"abcd"_s},
        ChainCase{"DecodedSpaceIsNotRemoved",
                  [](RenameRuleSet& r) { r.RemoveSpaces = r.DecodeUrlEscapes = true; },
                  u"my file%20name"_s, u"myfile name"_s},
        ChainCase{"BothBracketKinds",
                  [](RenameRuleSet& r) { r.RemoveSquareNumbers = r.RemoveRoundNumbers = true; },
                  u"x[1](2)"_s, u"x"_s}),
    CaseName());

// The search read as a pattern, and the spaces trimmed: off unless asked, like every rule.
ChainCase pattern(const char* name, const QString& what, const QString& with, const QString& stem,
                  const QString& expected, bool ignoreCase = false) {
    ChainCase c = search(name, what, with, stem, expected, ignoreCase);
    c.set = [plain = c.set](RenameRuleSet& r) {
        plain(r);
        r.ReplaceRegex = true;
        r.prepareReplacePattern();
    };
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, ReplaceChainTest,
    testing::Values(
        pattern("GroupsInTheReplacement", u"(\\d{4})-(\\d{2})-(\\d{2})"_s, u"$3.$2.$1"_s,
                u"trip 2005-06-14"_s, u"trip 14.06.2005"_s),
        pattern("WholeMatchAndDollarsThatNameNoGroup", u"[0-9]+"_s, u"<$0>$x$"_s, u"a1b22"_s,
                u"a<1>$x$b<22>$x$"_s),
        pattern("AGroupThatTookNoPartIsNothing", u"(a)|(b)"_s, u"[$1$2$7]"_s, u"ab"_s, u"[a][b]"_s),
        pattern("Anchors", u"^IMG_|_final$"_s, u""_s, u"IMG_0042_final"_s, u"0042"_s),
        pattern("EmptyMatchesInsertBetweenCharacters", u"x*"_s, u"-"_s, u"ab"_s, u"-a-b-"_s),
        pattern("AfterAnEmptyMatchALongerOneAtTheSamePlace", u"a*?"_s, u"-"_s, u"ba"_s, u"-b---"_s),
        pattern("EmptyMatchesNeverSplitACharacterPair", u"x*"_s, u"-"_s, u"\U0001F600"_s,
                u"-\U0001F600-"_s),
        pattern("GroupsPastTheTenthCountButCannotBeNamed", u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)"_s,
                u"$9$1$10"_s, u"abcdefghijk"_s, u"iaa0"_s),
        pattern("IgnoreCaseBeyondAscii", u"été"_s, u"summer"_s, u"ÉTÉ"_s, u"summer"_s, true),
        pattern("ANameThatIsNotValidTextIsLeft", u"x*"_s, u"-"_s, QString(QChar(0xD800)),
                QString(QChar(0xD800))),
        pattern("CaseCountsUnlessIgnored", u"img"_s, u"photo"_s, u"IMG img"_s, u"IMG photo"_s),
        pattern("IgnoreCase", u"img"_s, u"photo"_s, u"IMG img"_s, u"photo photo"_s, true),
        pattern("AnInvalidPatternLeavesTheName", u"(unclosed"_s, u"x"_s, u"(unclosed"_s,
                u"(unclosed"_s),
        pattern("ADotIsAnyCharacter", u"."_s, u"x"_s, u"a.b"_s, u"xxx"_s),
        search("PlainSearchIgnoringCase", u"ÉTÉ"_s, u"summer"_s, u"été Été"_s, u"summer summer"_s,
               true),
        ChainCase{"AnUnpreparedPatternStillApplies",
                  [](RenameRuleSet& r) {
                      r.ReplaceRegex = true;
                      r.ReplaceWhat = u"\\s+"_s;
                      r.ReplaceWith = u"_"_s;
                  },
                  u"a  b"_s, u"a_b"_s}),
    CaseName());

ChainCase trimming(const char* name, const QString& stem, const QString& expected,
                   const std::function<void(RenameRuleSet&)>& alsoOn = {}) {
    return {name,
            [=](RenameRuleSet& r) {
                r.TrimSpaces = true;
                if (alsoOn)
                    alsoOn(r);
            },
            stem, expected};
}

INSTANTIATE_TEST_SUITE_P(
    Trimming, ReplaceChainTest,
    testing::Values(
        trimming("EndsAndRunsOfSpaces", u"  My   Report  "_s, u"My Report"_s),
        trimming("AfterSquareBrackets", u"scan [2]"_s, u"scan"_s,
                 [](RenameRuleSet& r) { r.RemoveSquareNumbers = true; }),
        trimming("AfterRoundBracketsAndDecoding", u"My%20Report%20(1)"_s, u"My Report"_s,
                 [](RenameRuleSet& r) { r.RemoveRoundNumbers = r.DecodeUrlEscapes = true; }),
        trimming("AfterUnderscoresBecomeSpaces", u"_data__2005_"_s, u"data 2005"_s,
                 [](RenameRuleSet& r) { r.UnderscoreToSpace = true; }),
        trimming("OnlySpacesGoOtherBlanksStay", u"\ta\u00A0 b "_s, u"\ta\u00A0 b"_s),
        trimming("NothingButSpacesLeavesNothing", u"   "_s, u""_s)),
    CaseName());

TEST(SearchPatternTest, AnInvalidPatternTellsWhyAndWhereInTheUsersText) {
    EXPECT_EQ(SearchPattern(u"(unclosed"_s, false).problem(),
              u"missing closing parenthesis (at character 10)"_s);
    EXPECT_EQ(SearchPattern(u"a)b"_s, false).problem(),
              u"unmatched closing parenthesis (at character 2)"_s);
    EXPECT_EQ(SearchPattern(u"a(b)"_s, false).problem(), QString());
}

// A pattern that backtracks without end gives up on a name after a bounded number of steps, far
// fewer than the library's own bound, and leaves the name as it was: here the first branch tries
// about a million ways before the second could match at once.
TEST(SearchPatternTest, BacktrackingGivesUpAfterABoundedNumberOfSteps) {
    RenameRuleSet rules;
    rules.ReplaceOn = true;
    rules.ReplaceRegex = true;
    rules.ReplaceWhat = u"^(?:(a|aa)+c|a+b)"_s;
    rules.ReplaceWith = u"x"_s;
    rules.prepareReplacePattern();
    EXPECT_EQ(ApplyReplaceChain(u"aaab"_s, rules), u"x"_s);
    const QString costly = QString(30, u'a') + u'b';
    EXPECT_EQ(ApplyReplaceChain(costly, rules), costly);
}

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
