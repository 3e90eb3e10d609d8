#include "rules/RenameRuleSet.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(RenameRuleSetTest, EachAttributeFlagAddsOnlyItsOwnValue) {
    RenameRuleSet rules;
    EXPECT_EQ(rules.newAttributeValue(), 0);
    rules.AttrHidden = true;
    EXPECT_EQ(rules.newAttributeValue(), 2);
    rules.AttrArchive = true;
    EXPECT_EQ(rules.newAttributeValue(), 34);
    rules.AttrReadOnly = true;
    EXPECT_EQ(rules.newAttributeValue(), 35);
    rules.AttrSystem = true;
    EXPECT_EQ(rules.newAttributeValue(), 39);
    rules.AttrHidden = false;
    EXPECT_EQ(rules.newAttributeValue(), 37);
}

} // namespace
} // namespace quillane
