#include "rules/AffixEditor.h"

#include "tests/CaseName.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

AffixEditor numericPrefix() {
    AffixEditor prefix(AffixEditor::Kind::Prefix);
    EXPECT_TRUE(prefix.selectPage(AffixPage::Numeric));
    return prefix;
}

TEST(AffixEditorTest, OnlyTheSuffixStartsNumbering) {
    const AffixEditor prefix(AffixEditor::Kind::Prefix);
    const AffixEditor suffix(AffixEditor::Kind::Suffix);
    EXPECT_EQ(prefix.rule().Page, AffixPage::Alphabetic);
    EXPECT_EQ(suffix.rule().Page, AffixPage::Numeric);
    for (const AffixEditor* editor : {&prefix, &suffix}) {
        const bool numbering = editor == &suffix;
        EXPECT_EQ(editor->paddingEnabled(), numbering);
        EXPECT_EQ(editor->ascendingEnabled(), numbering);
        EXPECT_EQ(editor->incrementEnabled(), numbering);
        EXPECT_EQ(editor->paddingScrollValue(), 8);
        EXPECT_EQ(editor->incrementScrollValue(), 255);
    }
    EXPECT_EQ(prefix.incrementLimit(), (TextEntryLimit{true, 4}));
    EXPECT_EQ(suffix.incrementLimit(), (TextEntryLimit{true, 3}));
    EXPECT_EQ(suffix.paddingLimit(), (TextEntryLimit{true, 4}));
}

TEST(AffixEditorTest, EachPageKeepsItsOwnText) {
    AffixEditor prefix = numericPrefix();
    EXPECT_EQ(prefix.rule().Text, u""_s);
    EXPECT_TRUE(prefix.paddingEnabled());
    EXPECT_TRUE(prefix.ascendingEnabled());
    EXPECT_FALSE(prefix.incrementEnabled());
    EXPECT_TRUE(prefix.editText(u"4"_s));
    EXPECT_TRUE(prefix.editText(u"42"_s));

    EXPECT_TRUE(prefix.selectPage(AffixPage::Alphabetic));
    EXPECT_EQ(prefix.rule().Text, u""_s);
    EXPECT_EQ(prefix.rule().NumericMemory, 42);
    EXPECT_FALSE(prefix.paddingEnabled());
    EXPECT_EQ(prefix.textLimit(), (TextEntryLimit{false, 255}));
    EXPECT_TRUE(prefix.editText(u"abc"_s));

    EXPECT_TRUE(prefix.selectPage(AffixPage::Numeric));
    EXPECT_EQ(prefix.rule().Text, u"42"_s);
    EXPECT_EQ(prefix.rule().AlphabetMemory, u"abc"_s);
    EXPECT_EQ(prefix.textLimit(), (TextEntryLimit{true, 8}));

    EXPECT_TRUE(prefix.selectPage(AffixPage::Alphabetic));
    EXPECT_EQ(prefix.rule().Text, u"abc"_s);

    // Clicking the page already shown is no switch.
    EXPECT_FALSE(prefix.selectPage(AffixPage::Alphabetic));
    EXPECT_EQ(prefix.rule().Text, u"abc"_s);
}

TEST(AffixEditorTest, ZeroStartComesBackAsAnEmptyBox) {
    AffixEditor prefix = numericPrefix();
    EXPECT_TRUE(prefix.editText(u"0"_s));
    EXPECT_TRUE(prefix.selectPage(AffixPage::Alphabetic));
    EXPECT_TRUE(prefix.selectPage(AffixPage::Numeric));
    EXPECT_EQ(prefix.rule().Text, u""_s);
}

TEST(AffixEditorTest, AscendingSwitchesTheIncrementBox) {
    AffixEditor prefix = numericPrefix();
    EXPECT_TRUE(prefix.clickAscending(true));
    EXPECT_TRUE(prefix.incrementEnabled());
    EXPECT_EQ(textBoxColour(prefix.incrementEnabled()), BoxColour::WindowBackground);

    // The scroll bar writes the box back in plain digits.
    EXPECT_TRUE(prefix.editIncrement(u"007"_s));
    EXPECT_EQ(prefix.incrementScrollValue(), 249);
    EXPECT_EQ(prefix.rule().Increment, u"7"_s);

    // With the scroll bar already there, the box keeps what was typed until Ascending rereads it.
    EXPECT_TRUE(prefix.editIncrement(u"007"_s));
    EXPECT_EQ(prefix.rule().Increment, u"007"_s);
    EXPECT_TRUE(prefix.clickAscending(false));
    EXPECT_FALSE(prefix.incrementEnabled());
    EXPECT_EQ(textBoxColour(prefix.incrementEnabled()), BoxColour::ButtonFace);
    EXPECT_TRUE(prefix.clickAscending(true));
    EXPECT_EQ(prefix.rule().Increment, u"7"_s);
    EXPECT_FALSE(prefix.clickAscending(true));

    EXPECT_TRUE(prefix.selectPage(AffixPage::Alphabetic));
    EXPECT_FALSE(prefix.incrementEnabled());
    EXPECT_FALSE(prefix.ascendingEnabled());
    EXPECT_TRUE(prefix.rule().Ascending);
}

TEST(AffixEditorTest, PaddingScrollShowsNoneBelowTheStartNumbersLength) {
    AffixEditor suffix(AffixEditor::Kind::Suffix); // text "1"
    EXPECT_TRUE(suffix.scrollPadding(7));
    EXPECT_EQ(suffix.rule().Padding, u"1"_s);
    EXPECT_TRUE(suffix.scrollPadding(6));
    EXPECT_EQ(suffix.rule().Padding, u"2"_s);
    EXPECT_TRUE(suffix.scrollPadding(8));
    EXPECT_EQ(suffix.rule().Padding, u"None"_s);
    EXPECT_EQ(suffix.paddingScrollValue(), 8);

    EXPECT_TRUE(suffix.editText(u"123"_s)); // padding None: stays None, one step below 3
    EXPECT_EQ(suffix.rule().Padding, u"None"_s);
    EXPECT_EQ(suffix.paddingScrollValue(), 6);
    EXPECT_TRUE(suffix.scrollPadding(7));
    EXPECT_EQ(suffix.rule().Padding, u"None"_s);
    EXPECT_EQ(suffix.paddingScrollValue(), 6);
    EXPECT_TRUE(suffix.scrollPadding(5));
    EXPECT_EQ(suffix.rule().Padding, u"3"_s);
    EXPECT_TRUE(suffix.scrollPadding(-40)); // a scroll bar stops at its end
    EXPECT_EQ(suffix.paddingScrollValue(), 0);
    EXPECT_EQ(suffix.rule().Padding, u"8"_s);

    AffixEditor prefix = numericPrefix(); // empty text: "None" sits at the bottom
    EXPECT_TRUE(prefix.scrollPadding(7));
    EXPECT_EQ(prefix.rule().Padding, u"1"_s);
    EXPECT_TRUE(prefix.scrollPadding(8));
    EXPECT_EQ(prefix.rule().Padding, u"None"_s);
    EXPECT_EQ(prefix.paddingScrollValue(), 8);
}

TEST(AffixEditorTest, TypedPaddingIsKeptAsTyped) {
    AffixEditor suffix(AffixEditor::Kind::Suffix);
    EXPECT_TRUE(suffix.editPadding(u"12"_s));
    EXPECT_EQ(suffix.rule().Padding, u"12"_s);
    EXPECT_EQ(suffix.paddingScrollValue(), 8);
    EXPECT_FALSE(suffix.editPadding(u"12"_s));
}

TEST(AffixEditorTest, SettingAScrollBarToItsValueRunsNothing) {
    AffixEditor suffix(AffixEditor::Kind::Suffix);
    EXPECT_FALSE(suffix.scrollPadding(8));
    EXPECT_FALSE(suffix.scrollIncrement(255));
    EXPECT_FALSE(suffix.editText(u"1"_s));

    // Typing a first digit under "None" moves the padding to 1, and the scroll bar would go to the
    // value it holds, so nothing turns the padding back to "None".
    AffixEditor prefix = numericPrefix();
    EXPECT_TRUE(prefix.editText(u"5"_s));
    EXPECT_EQ(prefix.rule().Padding, u"1"_s);
    EXPECT_EQ(prefix.paddingScrollValue(), 8);
}

TEST(AffixEditorTest, TypedStartNumberGrowsAShorterPadding) {
    AffixEditor prefix = numericPrefix();
    EXPECT_TRUE(prefix.scrollPadding(7));
    EXPECT_EQ(prefix.rule().Padding, u"1"_s);
    EXPECT_TRUE(prefix.editText(u"1"_s));
    EXPECT_EQ(prefix.rule().Padding, u"1"_s);
    EXPECT_TRUE(prefix.editText(u"12"_s));
    EXPECT_EQ(prefix.rule().Padding, u"2"_s);
    EXPECT_EQ(prefix.paddingScrollValue(), 6);

    // A longer padding stays.
    EXPECT_TRUE(prefix.scrollPadding(3));
    EXPECT_TRUE(prefix.editText(u"123"_s));
    EXPECT_EQ(prefix.rule().Padding, u"5"_s);

    // The Alphabetic page never touches the padding.
    EXPECT_TRUE(prefix.selectPage(AffixPage::Alphabetic));
    EXPECT_TRUE(prefix.editText(u"abcdefghijk"_s));
    EXPECT_EQ(prefix.rule().Padding, u"5"_s);
}

struct IncrementCase {
    const char* name;
    QString typed;
    QString box;
    int scroll;
};

class AffixIncrementTest : public testing::TestWithParam<IncrementCase> {};

TEST_P(AffixIncrementTest, KeepsTheIncrementWithinOneTo255) {
    const IncrementCase& c = GetParam();
    AffixEditor suffix(AffixEditor::Kind::Suffix);
    EXPECT_TRUE(suffix.editIncrement(u"20"_s));
    EXPECT_TRUE(suffix.editIncrement(c.typed));
    EXPECT_EQ(suffix.rule().Increment, c.box);
    EXPECT_EQ(suffix.incrementScrollValue(), c.scroll);
}

INSTANTIATE_TEST_SUITE_P(Edits, AffixIncrementTest,
                         testing::Values(IncrementCase{"Emptied", u""_s, u"1"_s, 255},
                                         IncrementCase{"Zero", u"0"_s, u"1"_s, 255},
                                         IncrementCase{"InRange", u"10"_s, u"10"_s, 246},
                                         IncrementCase{"Largest", u"255"_s, u"255"_s, 1},
                                         IncrementCase{"TooLarge", u"300"_s, u"255"_s, 1},
                                         IncrementCase{"FourDigits", u"9999"_s, u"255"_s, 1}),
                         CaseName());

TEST(AffixEditorTest, IncrementScrollWritesTheBox) {
    AffixEditor suffix(AffixEditor::Kind::Suffix);
    EXPECT_TRUE(suffix.scrollIncrement(250));
    EXPECT_EQ(suffix.rule().Increment, u"6"_s);
    EXPECT_TRUE(suffix.scrollIncrement(0));
    EXPECT_EQ(suffix.incrementScrollValue(), 1);
    EXPECT_EQ(suffix.rule().Increment, u"255"_s);
}

// A rule kept from an editor the user worked comes back whole in a fresh one, its scroll bars
// where the typing left them, so that the next click goes on from there.
TEST(AffixEditorTest, ARestoredRuleStandsAsTheEditsThatMadeItLeftIt) {
    AffixEditor edited(AffixEditor::Kind::Prefix);
    EXPECT_TRUE(edited.editText(u"draft"_s));
    EXPECT_TRUE(edited.selectPage(AffixPage::Numeric));
    EXPECT_TRUE(edited.editText(u"123"_s));
    EXPECT_TRUE(edited.scrollPadding(4));
    EXPECT_TRUE(edited.clickAscending(true));
    EXPECT_TRUE(edited.scrollIncrement(250));

    AffixEditor restored(AffixEditor::Kind::Prefix);
    restored.restore(edited.rule());
    EXPECT_EQ(restored.rule().Text, u"123"_s);
    EXPECT_EQ(restored.rule().Padding, u"4"_s);
    EXPECT_EQ(restored.rule().Increment, u"6"_s);
    EXPECT_EQ(restored.rule().AlphabetMemory, u"draft"_s);
    EXPECT_EQ(restored.paddingScrollValue(), edited.paddingScrollValue());
    EXPECT_EQ(restored.incrementScrollValue(), edited.incrementScrollValue());
    EXPECT_TRUE(restored.incrementEnabled());
    EXPECT_TRUE(restored.selectPage(AffixPage::Alphabetic));
    EXPECT_EQ(restored.rule().Text, u"draft"_s);

    // With no padding, the bar sits one step below the number's length.
    AffixEditor unpadded(AffixEditor::Kind::Suffix);
    EXPECT_TRUE(unpadded.editText(u"12"_s));
    AffixEditor again(AffixEditor::Kind::Suffix);
    again.restore(unpadded.rule());
    EXPECT_EQ(again.paddingScrollValue(), unpadded.paddingScrollValue());
}

// A hand-edited store may hold what the boxes would never take.
TEST(AffixEditorTest, ARestoredRuleKeepsWithinTheBoxesLimits) {
    AffixRule odd = AffixRule::suffixAtStartUp();
    odd.Text = u"12ab345678901"_s;
    odd.Padding = u"x9"_s;
    odd.Increment = u"0"_s;
    AffixEditor suffix(AffixEditor::Kind::Suffix);
    suffix.restore(odd);
    EXPECT_EQ(suffix.rule().Text, u"12345678"_s);
    EXPECT_EQ(suffix.rule().Padding, u"9"_s);
    EXPECT_EQ(suffix.rule().Increment, u"1"_s);
    EXPECT_EQ(suffix.paddingScrollValue(), 0);
    EXPECT_EQ(suffix.incrementScrollValue(), 255);
}

} // namespace
} // namespace quillane
