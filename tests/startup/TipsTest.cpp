#include "startup/Tips.h"

#include "tests/CaseName.h"

#include <gmock/gmock.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

struct TipsCase {
    const char* name;
    QString text;
    QStringList tips;
};

class TipsFromTextTest : public testing::TestWithParam<TipsCase> {};

TEST_P(TipsFromTextTest, EveryLineIsATip) {
    EXPECT_EQ(tipsFromText(GetParam().text), GetParam().tips);
}

INSTANTIATE_TEST_SUITE_P(
    Files, TipsFromTextTest,
    testing::Values(TipsCase{"Empty", QString(), {}},
                    TipsCase{"OneLineWithoutEnd", u"one"_s, {u"one"_s}},
                    TipsCase{"CrLfEnds", u"a\r\nb\r\n"_s, {u"a"_s, u"b"_s}},
                    TipsCase{"LfEnds", u"a\nb"_s, {u"a"_s, u"b"_s}},
                    TipsCase{"BlankLineIsATip", u"a\r\n\r\nb\r\n"_s, {u"a"_s, QString(), u"b"_s}},
                    TipsCase{"OnlyALineEnd", u"\r\n"_s, {QString()}},
                    TipsCase{"LoneCarriageReturnStaysInTheTip", u"a\rb\n"_s, {u"a\rb"_s}}),
    CaseName());

TEST(PickTipTest, EveryIndexCanComeAndNoneBeyond) {
    QRandomGenerator random(7);
    QList<int> seen(3, 0);
    for (int i = 0; i < 300; ++i) {
        const qsizetype index = pickTip(3, random);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 3);
        ++seen[index];
    }
    EXPECT_THAT(seen, testing::Each(testing::Gt(0)));
}

} // namespace
} // namespace quillane
