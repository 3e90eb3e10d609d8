#include "rules/RuleSetValues.h"

#include <QHash>

#include <gmock/gmock.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

// Every option away from its start-up value.
RenameRuleSet everythingChanged() {
    RenameRuleSet rules;
    rules.NewFilenameOn = false;
    rules.NewFilename = u"Trip"_s;
    rules.NewExtensionOn = true;
    rules.NewExtension = u"jpeg"_s;
    rules.CaseMode = 5;
    rules.ReplaceOn = rules.ReplaceRegex = rules.ReplaceIgnoreCase = true;
    rules.ReplaceWhat = u"(\\d+) = x"_s;
    rules.ReplaceWith = u"$1 & \"y\""_s;
    rules.SpaceToUnderscore = rules.UnderscoreToSpace = rules.UnderscoreToHyphen = true;
    rules.RemoveSpaces = rules.RemoveUnderscores = rules.RemoveHyphens = true;
    rules.RemoveSquareNumbers = rules.RemoveRoundNumbers = rules.DecodeUrlEscapes = true;
    rules.TrimSpaces = true;
    rules.Prefix = {AffixPage::Numeric, u"7"_s, true, u"3"_s, u"5"_s, 9, u"old"_s};
    rules.Suffix = {AffixPage::Alphabetic, u" end"_s, false, u"2"_s, u"2"_s, 42, u"tail"_s};
    rules.StampOn = true;
    rules.StampFormat = 24;
    rules.StampAsPrefix = false;
    rules.StampSource = StampMoment::PhotoTaken;
    rules.NewAttributesOn = rules.AttrReadOnly = rules.AttrHidden = rules.AttrSystem =
        rules.AttrArchive = true;
    return rules;
}

std::function<std::optional<QString>(const QString&)> readerOf(const RuleValues& values) {
    QHash<QString, QString> stored;
    for (const auto& [name, text] : values)
        stored.insert(name, text);
    return [stored](const QString& name) -> std::optional<QString> {
        const auto found = stored.constFind(name);
        return found == stored.cend() ? std::nullopt : std::optional(*found);
    };
}

QStringList namesOf(const RuleValues& values) {
    QStringList names;
    for (const auto& value : values)
        names.append(value.first);
    return names;
}

TEST(RuleSetValuesTest, EveryOptionGoesOutUnderItsNameAndComesBack) {
    const RuleValues values = valuesOf(everythingChanged());
    const RuleValues defaults = valuesOf(RenameRuleSet());
    ASSERT_EQ(namesOf(values), namesOf(defaults));
    // No option is left out: each differs from its start-up text.
    for (qsizetype i = 0; i < values.size(); ++i)
        EXPECT_NE(values[i].second, defaults[i].second) << qPrintable(values[i].first);

    const RenameRuleSet back = ruleSetFrom(readerOf(values));
    EXPECT_EQ(valuesOf(back), values);
}

// A preset from before an option existed, or edited by hand, restores what it can.
TEST(RuleSetValuesTest, AMissingOrUnreadableValueLeavesItsOptionAtTheStartUpDefault) {
    RuleValues values = valuesOf(everythingChanged());
    values.removeIf(
        [](const auto& v) { return v.first == u"TrimSpaces" || v.first == u"Prefix.Page"; });
    for (auto& [name, text] : values) {
        if (name == u"ReplaceRegex")
            text = u"yes"_s;
        if (name == u"CaseMode")
            text = u"6"_s;
        if (name == u"StampFormat")
            text = u"-1"_s;
        if (name == u"Suffix.NumericMemory")
            text = u"x"_s;
        if (name == u"Suffix.Page")
            text = u"2"_s;
    }
    const RenameRuleSet back = ruleSetFrom(readerOf(values));
    const RenameRuleSet startUp;
    EXPECT_EQ(back.TrimSpaces, startUp.TrimSpaces);
    EXPECT_EQ(back.ReplaceRegex, startUp.ReplaceRegex);
    EXPECT_EQ(back.CaseMode, startUp.CaseMode);
    EXPECT_EQ(back.StampFormat, startUp.StampFormat);
    EXPECT_EQ(back.Prefix.Page, startUp.Prefix.Page);
    EXPECT_EQ(back.Suffix.Page, startUp.Suffix.Page);
    EXPECT_EQ(back.Suffix.NumericMemory, startUp.Suffix.NumericMemory);
    // The rest still came back.
    EXPECT_TRUE(back.ReplaceIgnoreCase);
    EXPECT_EQ(back.Prefix.Text, u"7"_s);

    const RenameRuleSet nothing = ruleSetFrom([](const QString&) { return std::nullopt; });
    EXPECT_EQ(valuesOf(nothing), valuesOf(startUp));
}

} // namespace
} // namespace quillane
