#include "renamelist/ListCommandStates.h"

#include "tests/CaseName.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

struct StatesCase {
    const char* name;
    qint32 entries;
    qint32 selected;
    bool removeGroup;
    bool moveGroup;
    bool listGroup;
    QString status;
};

class ListCommandStatesTest : public testing::TestWithParam<StatesCase> {};

TEST_P(ListCommandStatesTest, FollowTheCounts) {
    const StatesCase& c = GetParam();
    const ListCommandStates states = ListCommandStates::fromCounts(c.entries, c.selected);
    EXPECT_EQ(states.removeGroup, c.removeGroup);
    EXPECT_EQ(states.moveGroup, c.moveGroup);
    EXPECT_EQ(states.listGroup, c.listGroup);
    EXPECT_EQ(states.statusText, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ListCommandStatesTest,
    testing::Values(StatesCase{"Empty", 0, 0, false, false, false, u"0 file, 0 selected"_s},
                    StatesCase{"OneSelected", 1, 1, true, false, true, u"1 file, 1 selected"_s},
                    StatesCase{"OneUnselected", 1, 0, false, false, true, u"1 file, 0 selected"_s},
                    StatesCase{"TwoNoneSelected", 2, 0, false, false, true,
                               u"2 files, 0 selected"_s},
                    StatesCase{"TwoOneSelected", 2, 1, true, true, true, u"2 files, 1 selected"_s},
                    StatesCase{"TwoBothSelected", 2, 2, true, true, true, u"2 files, 2 selected"_s},
                    StatesCase{"Many", 123456, 3, true, true, true, u"123456 files, 3 selected"_s}),
    CaseName());

} // namespace
} // namespace quillane
