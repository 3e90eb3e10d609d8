#include "platform/WildcardPattern.h"

#include "tests/CaseName.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

struct WildcardCase {
    const char* name;
    QString fileName;
    QString pattern;
    bool matches;
};

class WildcardPatternTest : public testing::TestWithParam<WildcardCase> {};

TEST_P(WildcardPatternTest, Matches) {
    EXPECT_EQ(matchesWildcard(GetParam().fileName, GetParam().pattern), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, WildcardPatternTest,
    testing::Values(WildcardCase{"StarDotStarWithoutDot", u"README"_s, u"*.*"_s, true},
                    WildcardCase{"Star", u"a.b.c"_s, u"*"_s, true},
                    WildcardCase{"ExtensionCaseIgnored", u"PHOTO.JPG"_s, u"*.jpg"_s, true},
                    WildcardCase{"OtherExtension", u"photo.jpeg"_s, u"*.jpg"_s, false},
                    WildcardCase{"QuestionIsOne", u"a1.txt"_s, u"a?.txt"_s, true},
                    WildcardCase{"QuestionNotNone", u"a.txt"_s, u"a?.txt"_s, false},
                    WildcardCase{"StarsBacktrack", u"abcbcd"_s, u"a*bcd"_s, true},
                    WildcardCase{"TwoStars", u"x.tar.gz"_s, u"*.*.gz"_s, true},
                    WildcardCase{"Empty", u""_s, u"*"_s, true},
                    WildcardCase{"Exact", u"tod.ctd"_s, u"tod.ctd"_s, true}),
    CaseName());

} // namespace
} // namespace quillane
