#include "rules/UrlEscapes.h"

#include "tests/CaseName.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

struct EscapeCase {
    const char* name;
    QString in;
    QString out;
};

class ConUrlHexTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(ConUrlHexTest, Decodes) {
    EXPECT_EQ(ConUrlHex(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, ConUrlHexTest,
    testing::Values(EscapeCase{"Plain", u"abc"_s, u"abc"_s},
                    EscapeCase{"SpaceAndPlus", u"my%20file%2Bnew"_s, u"my file+new"_s},
                    EscapeCase{"LowerAndEqualDigits", u"%41%aa%ff%AA"_s, u"A\u00AA\u00FF\u00AA"_s},
                    EscapeCase{"Latin1Range", u"caf%E9"_s, u"caf\u00E9"_s},
                    EscapeCase{"Windows1252Range", u"%80%85%9F%8D"_s,
                               u"\u20AC\u2026\u0178\u008D"_s},
                    EscapeCase{"NeverCombinedIntoUtf8", u"%C3%A9"_s, u"\u00C3\u00A9"_s},
                    EscapeCase{"DecodedPercentNotDecodedAgain", u"%2541"_s, u"%41"_s},
                    EscapeCase{"PercentAtEnd", u"100%"_s, u"100%"_s},
                    EscapeCase{"OneDigitLeft", u"a%4"_s, u"a%4"_s},
                    EscapeCase{"NotHex", u"%zz%4G"_s, u"%zz%4G"_s},
                    EscapeCase{"PercentBeforeEscape", u"%%41"_s, u"%A"_s},
                    EscapeCase{"Nul", u"a%00b"_s, QStringView(u"a\0b", 3).toString()}),
    CaseName());

TEST(UnHexTest, ReadsExactlyTwoHexDigits) {
    EXPECT_EQ(UnHex(u"00"), 0);
    EXPECT_EQ(UnHex(u"7f"), 0x7F);
    EXPECT_EQ(UnHex(u"Ff"), 0xFF);
    EXPECT_EQ(UnHex(u"G0"), std::nullopt);
    EXPECT_EQ(UnHex(u"0x"), std::nullopt);
    EXPECT_EQ(UnHex(u"1"), std::nullopt);
    EXPECT_EQ(UnHex(u"123"), std::nullopt);
    EXPECT_EQ(UnHex(u"\uFF11\uFF11"), std::nullopt); // full-width digits
}

} // namespace
} // namespace quillane
