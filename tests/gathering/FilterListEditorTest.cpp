#include "gathering/FilterListEditor.h"

#include "tests/CaseName.h"

#include <gmock/gmock.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

FilterListEditor fourFilters(const QList<int>& selected) {
    QList<FileFilter> filters;
    for (int k = 0; k < 4; ++k)
        filters.append({QString::number(k), u"*."_s + QString::number(k)});
    FilterListEditor editor{FileFilterSet(filters)};
    for (const int k : selected)
        editor.setSelected(k, true);
    return editor;
}

// The entries by their descriptions, selected ones marked with a star.
QStringList order(const FilterListEditor& editor) {
    QStringList shown;
    for (const FilterListEditor::Entry& entry : editor.entries())
        shown << entry.filter.Description + (entry.selected ? u"*"_s : QString());
    return shown;
}

struct MoveCase {
    const char* name;
    QList<int> selected;
    bool up;
    QStringList after;
};

class FilterListMoveTest : public testing::TestWithParam<MoveCase> {};

TEST_P(FilterListMoveTest, SelectedEntriesMoveOnePlaceAsABlock) {
    FilterListEditor editor = fourFilters(GetParam().selected);
    EXPECT_TRUE(GetParam().up ? editor.moveUp() : editor.moveDown());
    EXPECT_EQ(order(editor), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, FilterListMoveTest,
    testing::Values(MoveCase{"BlockUp", {1, 2}, true, {u"1*"_s, u"2*"_s, u"0"_s, u"3"_s}},
                    MoveCase{"BlockDown", {1, 2}, false, {u"0"_s, u"3"_s, u"1*"_s, u"2*"_s}},
                    MoveCase{"FirstStaysUp", {0}, true, {u"0*"_s, u"1"_s, u"2"_s, u"3"_s}},
                    MoveCase{
                        "BlockAtTheEndStays", {2, 3}, false, {u"0"_s, u"1"_s, u"2*"_s, u"3*"_s}},
                    MoveCase{"ScatteredUp", {0, 2}, true, {u"0*"_s, u"2*"_s, u"1"_s, u"3"_s}}),
    CaseName());

TEST(FilterListEditorTest, NothingSelectedMeansNothingToMoveOrRemove) {
    FilterListEditor editor = fourFilters({});
    EXPECT_FALSE(editor.moveUp());
    EXPECT_FALSE(editor.moveDown());
    EXPECT_FALSE(editor.removeSelected());
    EXPECT_FALSE(FilterListEditor().moveUp());
}

TEST(FilterListEditorTest, RemovesEverySelectedEntryEvenAll) {
    FilterListEditor editor = fourFilters({0, 1, 3});
    EXPECT_TRUE(editor.removeSelected());
    EXPECT_EQ(order(editor), QStringList{u"2"_s});
    editor.selectAll(true);
    EXPECT_TRUE(editor.removeSelected());
    EXPECT_TRUE(editor.isEmpty());
    editor.reset();
    EXPECT_EQ(editor.filterSet(), FileFilterSet::defaults());
    EXPECT_TRUE(editor.entries().front().selected);
}

struct AddCase {
    const char* name;
    QString description;
    QString patterns;
    FilterAddOutcome outcome;
};

class FilterListAddTest : public testing::TestWithParam<AddCase> {};

TEST_P(FilterListAddTest, AddsOnlyWithBothHalves) {
    FilterListEditor editor;
    EXPECT_EQ(editor.add(GetParam().description, GetParam().patterns), GetParam().outcome);
    EXPECT_EQ(editor.isEmpty(), GetParam().outcome != FilterAddOutcome::Added);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FilterListAddTest,
    testing::Values(AddCase{"Both", u" Raw "_s, u"*.cr2,*.nef"_s, FilterAddOutcome::Added},
                    AddCase{"HintCountsAsNoPatterns", u"Raw"_s, u"*.FileType1,*.FileType2"_s,
                            FilterAddOutcome::NeedFileType},
                    AddCase{"NoPatterns", u"Raw"_s, QString(), FilterAddOutcome::NeedFileType},
                    AddCase{"NoDescription", QString(), u"*.cr2"_s,
                            FilterAddOutcome::NeedDescription},
                    AddCase{"NeitherWithHint", QString(), u"*.FileType1,*.FileType2"_s,
                            FilterAddOutcome::NothingToAdd}),
    CaseName());

} // namespace
} // namespace quillane
