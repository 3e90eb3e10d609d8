#include "rules/AffixValue.h"

#include "tests/CaseName.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

struct AffixCase {
    const char* name;
    AffixPage page;
    QString text;
    bool ascending;
    QString padding;
    QString increment;
    qint32 listIndex;
    QString expected;
};

class AffixValueTest : public testing::TestWithParam<AffixCase> {};

TEST_P(AffixValueTest, GivesTheExpectedText) {
    const AffixCase& c = GetParam();
    AffixRule rule;
    rule.Page = c.page;
    rule.Text = c.text;
    rule.Ascending = c.ascending;
    rule.Padding = c.padding;
    rule.Increment = c.increment;
    TextBuffer name;
    name << u"x"_s;
    appendAffixValue(name, rule, c.listIndex);
    EXPECT_EQ(name.view(), u"x"_s + c.expected);
}

constexpr auto Num = AffixPage::Numeric;
constexpr auto Alpha = AffixPage::Alphabetic;

INSTANTIATE_TEST_SUITE_P(
    Numbering, AffixValueTest,
    testing::Values(
        AffixCase{"StartFiveStepTen", Num, u"5"_s, true, u"None"_s, u"10"_s, 2, u"25"_s},
        AffixCase{"BlanksBeforeStartSkipped", Num, u" \t5"_s, true, u"None"_s, u"1"_s, 1, u"6"_s},
        AffixCase{"EmptyStartCountsFromZero", Num, u""_s, true, u"None"_s, u"1"_s, 0, u"0"_s},
        AffixCase{"EmptyIncrementDoesNotCount", Num, u"4"_s, true, u"None"_s, u""_s, 7, u"4"_s},
        AffixCase{"PaddingTwoBelowTen", Num, u"8"_s, true, u"2"_s, u"1"_s, 1, u"09"_s},
        AffixCase{"PaddingTwoAtTwelve", Num, u"8"_s, true, u"2"_s, u"1"_s, 4, u"12"_s},
        AffixCase{"PaddingNeverCuts", Num, u"1234"_s, true, u"3"_s, u"1"_s, 0, u"1234"_s},
        AffixCase{"PaddingEight", Num, u"7"_s, true, u"8"_s, u"1"_s, 0, u"00000007"_s},
        AffixCase{"LeadingZerosOfStartDropped", Num, u"007"_s, true, u"None"_s, u"1"_s, 1, u"8"_s},
        AffixCase{"PaddingNotOneToEightIsNone", Num, u"7"_s, true, u"08"_s, u"1"_s, 0, u"7"_s},
        AffixCase{"EightNinesStep255Row3", Num, u"99999999"_s, true, u"None"_s, u"255"_s, 3,
                  u"100000764"_s},
        AffixCase{"EightNinesStep255LastRow", Num, u"99999999"_s, true, u"None"_s, u"255"_s,
                  std::numeric_limits<qint32>::max(), u"547708329984"_s},
        AffixCase{"AbsurdStartSaturates", Num, u"99999999999999999999999"_s, true, u"None"_s,
                  u"1"_s, 5, u"18446744073709551615"_s}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    FixedTexts, AffixValueTest,
    testing::Values(
        AffixCase{"NumericWithoutAscending", Num, u"7"_s, false, u"None"_s, u"1"_s, 5, u"7"_s},
        AffixCase{"NumericWithoutAscendingPadded", Num, u"7"_s, false, u"3"_s, u"1"_s, 5, u"007"_s},
        AffixCase{"AlphabeticIgnoresAscending", Alpha, u"5"_s, true, u"None"_s, u"1"_s, 5, u"5"_s},
        AffixCase{"AlphabeticDigitsKeepPadding", Alpha, u"42"_s, false, u"4"_s, u"1"_s, 0,
                  u"0042"_s},
        AffixCase{"DigitsKeepLeadingZerosWithoutPadding", Alpha, u"007"_s, false, u"None"_s, u"1"_s,
                  0, u"007"_s},
        AffixCase{"DigitsLosePadZerosToWidth", Alpha, u"00042"_s, false, u"3"_s, u"1"_s, 0,
                  u"042"_s},
        AffixCase{"ZeroPadded", Alpha, u"0"_s, false, u"2"_s, u"1"_s, 0, u"00"_s},
        AffixCase{"LongDigitStringKeepsEveryDigit", Alpha, u"123456789012345678901234"_s, false,
                  u"3"_s, u"1"_s, 0, u"123456789012345678901234"_s},
        AffixCase{"SignKeptAsTyped", Alpha, u"+5"_s, false, u"3"_s, u"1"_s, 0, u"+5"_s},
        AffixCase{"DecimalKeptAsTyped", Alpha, u"1.5"_s, false, u"3"_s, u"1"_s, 0, u"1.5"_s},
        AffixCase{"ExponentKeptAsTyped", Alpha, u"1e3"_s, false, u"3"_s, u"1"_s, 0, u"1e3"_s},
        AffixCase{"EmptyStaysEmpty", Alpha, u""_s, false, u"3"_s, u"1"_s, 0, u""_s}),
    CaseName());

} // namespace
} // namespace quillane
