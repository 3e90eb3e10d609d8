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
                    EscapeCase{"Utf8Run", u"caf%C3%A9%20menu.pdf"_s, u"caf\u00E9 menu.pdf"_s},
                    EscapeCase{"Utf8FourBytes", u"%F0%9F%98%80!"_s, u"\U0001F600!"_s},
                    EscapeCase{"Utf8ByteMark", u"%EF%BB%BFa"_s, u"\uFEFFa"_s},
                    EscapeCase{"Utf8BesideALoneByte", u"%C3%A9%E9"_s, u"\u00E9\u00E9"_s},
                    EscapeCase{"LeadByteCutShort", u"%F0%9F%98"_s, u"\u00F0\u0178\u02DC"_s},
                    EscapeCase{"SequenceBrokenByPlainText", u"%C3x%A9"_s, u"\u00C3x\u00A9"_s},
                    EscapeCase{"BadSecondByte", u"%C3%28"_s, u"\u00C3("_s},
                    EscapeCase{"OverlongForm", u"%C0%AF"_s, u"\u00C0\u00AF"_s},
                    EscapeCase{"EncodedSurrogate", u"%ED%A0%80"_s, u"\u00ED\u00A0\u20AC"_s},
                    EscapeCase{"PastTheLastCode", u"%F4%90%80%80"_s, u"\u00F4\u0090\u20AC\u20AC"_s},
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
