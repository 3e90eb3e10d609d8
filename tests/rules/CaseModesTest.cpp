#include "rules/CaseModes.h"

#include "tests/CaseName.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

struct CaseCase {
    const char* name;
    int mode;
    QString in;
    QString out;
};

class CaseModesTest : public testing::TestWithParam<CaseCase> {};

TEST_P(CaseModesTest, Converts) {
    const CaseCase& c = GetParam();
    EXPECT_EQ(ApplyCaseMode(c.mode, c.in), c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CaseModesTest,
    testing::Values(CaseCase{"NormalKeeps", 0, u"MiXeD ünï"_s, u"MiXeD ünï"_s},
                    CaseCase{"UpperAccented", 1, u"école été"_s, u"ÉCOLE ÉTÉ"_s},
                    CaseCase{"LowerAccented", 2, u"ÉCOLE Été"_s, u"école été"_s},
                    CaseCase{"TitleAccented", 3, u"ÉCOLE ÉTÉ"_s, u"École Été"_s},
                    CaseCase{"TitleOnlySpacesSeparate", 3, u"hello_big-world.ok"_s,
                             u"Hello_big-world.ok"_s},
                    CaseCase{"TitleLowersTheRest", 3, u"hELLO wORLD"_s, u"Hello World"_s},
                    CaseCase{"TitleAfterControlCharacter", 3, u"one\ttwo"_s, u"One\tTwo"_s},
                    CaseCase{"TitleAfterC1Control", 3, u"one\u0085two"_s, u"One\u0085Two"_s},
                    CaseCase{"TitleDigitFirst", 3, u"1st PLACE"_s, u"1st Place"_s},
                    CaseCase{"TitleRepeatedSpaces", 3, u"  a  b"_s, u"  A  B"_s},
                    CaseCase{"TitleOutsideTheBmp", 3, u"\U00010428x"_s, u"\U00010400x"_s},
                    CaseCase{"SentenceAfterEndMarks", 4, u"one. two! three? four"_s,
                             u"One. Two! Three? Four"_s},
                    CaseCase{"SentenceNeedsTheSpace", 4, u"a.b"_s, u"A.b"_s},
                    CaseCase{"SentenceLowersNothing", 4, u"hello world. this is IT"_s,
                             u"Hello world. This is IT"_s},
                    CaseCase{"SentenceEmpty", 4, u""_s, u""_s},
                    CaseCase{"SentenceStartingWithSpace", 4, u" ab. c"_s, u" ab. C"_s},
                    CaseCase{"SentenceTwoSpaces", 4, u"a.  b"_s, u"A.  b"_s},
                    CaseCase{"ToggleAsciiOnly", 5, u"AbC-é"_s, u"aBc-é"_s},
                    CaseCase{"UnknownModeKeeps", 6, u"AbC"_s, u"AbC"_s}),
    CaseName());

TEST(ScaseTest, SecondCharacterAfterALeadingSeparatorIsCopied) {
    EXPECT_EQ(Scase(u".x"_s, u'.'), u".x"_s);
    EXPECT_EQ(Scase(u"!.x"_s, u'.'), u"!.X"_s);
    EXPECT_EQ(Scase(u"ß"_s, u' ').size(), 1); // keeps the length where upper case would grow
}

} // namespace
} // namespace quillane
