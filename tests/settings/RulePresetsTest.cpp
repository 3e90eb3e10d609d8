#include "settings/RulePresets.h"

#include "tests/settings/IniStore.h"
#include "tests/settings/MemoryStore.h"

#include <gmock/gmock.h>

using namespace Qt::StringLiterals;
using testing::ElementsAre;

namespace quillane {
namespace {

RenameRuleSet renamingTo(const QString& name) {
    RenameRuleSet rules;
    rules.NewFilename = name;
    return rules;
}

// Through the INI file the program keeps its settings in, names with the characters that file
// quotes or escapes come back as saved.
TEST(RulePresetsTest, SavedPresetsAreListedInTheOrderSavedAndRestoreTheirRules) {
    IniStore store;
    RulePresets presets(store.registry());
    EXPECT_TRUE(presets.names().isEmpty());
    EXPECT_FALSE(presets.load(u"Holiday"_s));

    RenameRuleSet holiday = renamingTo(u"Lisbon"_s);
    holiday.ReplaceOn = holiday.ReplaceRegex = true;
    holiday.ReplaceWhat = u"^IMG_(\\d+), \"x\"; [y]"_s;
    holiday.Suffix.Padding = u"4"_s;
    EXPECT_TRUE(presets.save(u"Holiday, 2026; \"best\" = [1]/\\"_s, holiday));
    EXPECT_TRUE(presets.save(u"Scans"_s, renamingTo(u"scan"_s)));

    RulePresets reread(store.registry());
    EXPECT_THAT(reread.names(), ElementsAre(u"Holiday, 2026; \"best\" = [1]/\\"_s, u"Scans"_s));
    const std::optional<RenameRuleSet> back = reread.load(u"Holiday, 2026; \"best\" = [1]/\\"_s);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->NewFilename, u"Lisbon"_s);
    EXPECT_TRUE(back->ReplaceRegex);
    EXPECT_EQ(back->ReplaceWhat, u"^IMG_(\\d+), \"x\"; [y]"_s);
    EXPECT_EQ(back->Suffix.Padding, u"4"_s);
    EXPECT_EQ(reread.load(u"Scans"_s)->NewFilename, u"scan"_s);
}

TEST(RulePresetsTest, SavingUnderATakenNameReplacesThatPresetInItsPlace) {
    MemoryStore memory;
    Registry registry(memory);
    RulePresets presets(registry);
    for (const QString& name : {u"a"_s, u"b"_s, u"c"_s})
        EXPECT_TRUE(presets.save(name, renamingTo(name)));
    EXPECT_TRUE(presets.save(u"b"_s, renamingTo(u"new b"_s)));
    EXPECT_THAT(presets.names(), ElementsAre(u"a"_s, u"b"_s, u"c"_s));
    EXPECT_EQ(presets.load(u"b"_s)->NewFilename, u"new b"_s);
    // The replaced preset's values are gone, not left behind unlisted.
    const qsizetype stored = memory.values.size();
    EXPECT_TRUE(presets.save(u"b"_s, renamingTo(u"newer b"_s)));
    EXPECT_EQ(memory.values.size(), stored);

    EXPECT_TRUE(presets.remove(u"a"_s));
    EXPECT_TRUE(presets.remove(u"not there"_s));
    EXPECT_THAT(presets.names(), ElementsAre(u"b"_s, u"c"_s));
    EXPECT_FALSE(presets.load(u"a"_s));
    EXPECT_EQ(presets.load(u"c"_s)->NewFilename, u"c"_s);
    EXPECT_TRUE(presets.save(u"d"_s, renamingTo(u"d"_s)));
    EXPECT_THAT(presets.names(), ElementsAre(u"b"_s, u"c"_s, u"d"_s));
}

TEST(RulePresetsTest, AStoreThatRefusesWritesSaysSoAndListsNothingHalfMade) {
    MemoryStore memory;
    Registry registry(memory);
    RulePresets presets(registry);
    EXPECT_TRUE(presets.save(u"kept"_s, renamingTo(u"kept"_s)));
    memory.refuseWrites = true;
    EXPECT_FALSE(presets.save(u"new"_s, renamingTo(u"new"_s)));
    EXPECT_FALSE(presets.save(u"kept"_s, renamingTo(u"changed"_s)));
    EXPECT_FALSE(presets.remove(u"kept"_s));
    EXPECT_THAT(presets.names(), ElementsAre(u"kept"_s));
    EXPECT_EQ(presets.load(u"kept"_s)->NewFilename, u"kept"_s);
}

// The list a hand may have edited: numbers twice, words, a number with no preset behind it, and
// a preset with only some of its values.
TEST(RulePresetsTest, AHandEditedListShowsOnlyThePresetsThatAreThere) {
    IniStore store("[Presets]\nIds=3 x 3 9 -1 4\n3\\Name=Three\n3\\NewFilename=three\n"
                   "4\\Name=Four\n4\\StampOn=1\n4\\CaseMode=99\n");
    RulePresets presets(store.registry());
    EXPECT_THAT(presets.names(), ElementsAre(u"Three"_s, u"Four"_s));
    const RenameRuleSet startUp;
    const RenameRuleSet four = *presets.load(u"Four"_s);
    EXPECT_TRUE(four.StampOn);
    EXPECT_EQ(four.CaseMode, startUp.CaseMode);
    EXPECT_EQ(four.NewFilename, startUp.NewFilename);
    EXPECT_EQ(presets.load(u"Three"_s)->NewFilename, u"three"_s);
    // A new preset takes a number no listed one holds.
    EXPECT_TRUE(presets.save(u"Five"_s, renamingTo(u"five"_s)));
    EXPECT_THAT(presets.names(), ElementsAre(u"Three"_s, u"Four"_s, u"Five"_s));
    EXPECT_EQ(presets.load(u"Four"_s)->CaseMode, startUp.CaseMode);
}

} // namespace
} // namespace quillane
