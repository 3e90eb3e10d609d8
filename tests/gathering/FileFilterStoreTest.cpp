#include "gathering/FileFilterStore.h"

#include "settings/SettingsStore.h"
#include "tests/CaseName.h"
#include "tests/settings/IniStore.h"
#include "tests/settings/MemoryStore.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

const QString DefaultFilters =
    u"Filter/1=*.*; Filter/2=*.jpg,*.jpeg,*.jpe; Filter/3=*.mpg,*.mpeg,*.mpe; "
    "FilterInfo/1=All Files; FilterInfo/2=Jpeg; FilterInfo/3=Mpeg; NoOfFilter=3"_s;
const QStringList DefaultLabels{u"All Files (*.*)"_s, u"Jpeg (*.jpg,*.jpeg,*.jpe)"_s,
                                u"Mpeg (*.mpg,*.mpeg,*.mpe)"_s};
const QByteArray ThreeFilters = "[Filter]\n1=*.a\n2=*.b\n3=*.c\n[FilterInfo]\n1=A\n2=B\n3=C\n";
const QStringList ABC{u"A (*.a)"_s, u"B (*.b)"_s, u"C (*.c)"_s};

struct CountCase {
    const char* name;
    QString text;
    qint32 count;
};

class FilterCountFromTextTest : public testing::TestWithParam<CountCase> {};

TEST_P(FilterCountFromTextTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(FileFilterStore::countFromText(GetParam().text), GetParam().count);
}

constexpr qint32 Cap = FileFilterStore::MaxFilterCount;

INSTANTIATE_TEST_SUITE_P(
    Texts, FilterCountFromTextTest,
    testing::Values(CountCase{"LeadingSpacesAndTextAfter", u"  12 3x"_s, 12},
                    CountCase{"NoNumber", u"abc"_s, 0}, CountCase{"Negative", u"-4"_s, 0},
                    CountCase{"FullWidthDigit", u"\uFF13"_s, 0},
                    CountCase{"AtTheCap", u"32767"_s, Cap},
                    CountCase{"PastThirtyTwoBits", u"4000000000"_s, Cap},
                    CountCase{"PastSixtyFourBits", u"99999999999999999999999"_s, Cap}),
    CaseName());

struct ReadCase {
    const char* name;
    QByteArray ini;
    QStringList labels;
    bool damaged; // the message is shown and the defaults stored
};

class ReadFileFilterSetTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadFileFilterSetTest, ReadsOrRepairsTheSet) {
    const ReadCase& c = GetParam();
    IniStore ini(c.ini);
    ScriptedDialogs dialogs;
    if (c.damaged)
        dialogs.answerMessage(MessageAnswer::Ok);
    EXPECT_EQ(FileFilterStore(ini.registry(), dialogs).ReadFileFilterSet().labels(), c.labels);
    EXPECT_EQ(dialogs.messages().size(), c.damaged ? 1 : 0);
    EXPECT_EQ(ini.dump() == DefaultFilters, c.damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, ReadFileFilterSetTest,
    testing::Values(
        ReadCase{"FreshStore", "", DefaultLabels, true},
        ReadCase{"ZeroCountDropsEveryEntry", "[General]\nNoOfFilter=0\n" + ThreeFilters,
                 DefaultLabels, true},
        ReadCase{"CountEditedIntoAList", "[General]\nNoOfFilter=2, 3\n" + ThreeFilters,
                 DefaultLabels, true},
        ReadCase{"CountBelowTheEntries", "[General]\nNoOfFilter=\" 2\"\n" + ThreeFilters,
                 QStringList{u"A (*.a)"_s, u"B (*.b)"_s}, false},
        ReadCase{"CountAboveTheEntries", "[General]\nNoOfFilter=5\n" + ThreeFilters, ABC, false},
        ReadCase{"AbsurdCount", "[General]\nNoOfFilter=99999999999\n" + ThreeFilters, ABC, false},
        ReadCase{"HalvesAndGaps",
                 "[General]\nNoOfFilter=3\n[Filter]\n1=\"*.jpg,*.jpe\"\n[FilterInfo]\n3=Docs\n",
                 QStringList{u" (*.jpg,*.jpe)"_s, u"Docs ()"_s}, false},
        ReadCase{"DoubleZeroIsNoFilters", "[General]\nNoOfFilter=00\n" + ThreeFilters, {}, false}),
    CaseName());

TEST(FileFilterStoreTest, DamageMessageIsExact) {
    IniStore ini;
    ScriptedDialogs dialogs;
    dialogs.answerMessage(MessageAnswer::Ok);
    FileFilterStore(ini.registry(), dialogs).ReadFileFilterSet(DialogOwner::FilterDialog);
    const MessageRequest expected{u"Kestrova Quillane"_s,
                                  u"Your custom FileType information is tampered or deleted. "
                                  "Default FileType is replaced."_s,
                                  MessageIcon::Exclamation,
                                  MessageButtons::Ok,
                                  MessageAnswer::Ok,
                                  true,
                                  DialogOwner::FilterDialog};
    EXPECT_EQ(dialogs.messages(), QList<MessageRequest>{expected});
}

TEST(FileFilterStoreTest, WriteReplacesTheWholeSetAndReadsBack) {
    IniStore ini("[General]\nNoOfFilter=4\ngrid=0\n[Filter]\n1=*.a\n4=*.d\n[FilterInfo]\n4=D\n");
    ScriptedDialogs dialogs;
    FileFilterStore filters(ini.registry(), dialogs);
    const FileFilterSet set({{u"Raw"_s, u"*.cr2,*.nef"_s}, {u"Text"_s, u"*.txt"_s}});
    EXPECT_TRUE(filters.WriteFileFilterSet(set));
    EXPECT_EQ(ini.dump(), u"Filter/1=*.cr2,*.nef; Filter/2=*.txt; FilterInfo/1=Raw; "
                          "FilterInfo/2=Text; NoOfFilter=2; grid=0"_s);
    EXPECT_EQ(filters.ReadFileFilterSet(), set);
    EXPECT_TRUE(filters.ResetFileFilter());
    EXPECT_EQ(ini.dump(), DefaultFilters + u"; grid=0"_s);
}

TEST(FileFilterStoreTest, StoreRefusingWritesStillGivesTheDefaults) {
    MemoryStore store;
    store.refuseWrites = true;
    Registry registry(store);
    ScriptedDialogs dialogs;
    dialogs.answerMessage(MessageAnswer::Ok);
    FileFilterStore filters(registry, dialogs);
    EXPECT_EQ(filters.ReadFileFilterSet(), FileFilterSet::defaults());
    EXPECT_FALSE(filters.ResetFileFilter());
}

struct RepairCase {
    const char* name;
    QByteArray ini;
    QString after;
};

class FilterRepairAtStartupTest : public testing::TestWithParam<RepairCase> {};

TEST_P(FilterRepairAtStartupTest, RepairsWithoutAWord) {
    IniStore ini(GetParam().ini);
    ScriptedDialogs dialogs;
    FileFilterStore(ini.registry(), dialogs).repairAtStartup();
    EXPECT_EQ(ini.dump(), GetParam().after);
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Stores, FilterRepairAtStartupTest,
    testing::Values(
        RepairCase{"ZeroCount", "[General]\nNoOfFilter=0\n[Filter]\n4=*.d\n", DefaultFilters},
        RepairCase{"CustomSetKept", "[General]\nNoOfFilter=1\n[Filter]\n1=*.x\n",
                   u"Filter/1=*.x; NoOfFilter=1"_s},
        RepairCase{"UnreadableCountKept", "[General]\nNoOfFilter=abc\n", u"NoOfFilter=abc"_s}),
    CaseName());

TEST(FileFilterStoreTest, FirstStartWritesExactlyTheDefaults) {
    IniStore ini;
    ScriptedDialogs dialogs;
    FileFilterStore filters(ini.registry(), dialogs);
    SettingsStore settings(ini.registry(), dialogs, u"/opt/q"_s);
    settings.applyStartupSettings([&] { filters.repairAtStartup(); });
    EXPECT_EQ(ini.dump(), DefaultFilters + u"; OutputCustomDirPath=/opt/q; RecurseDir=RecurseY; "
                                           "StartupDir=/opt/q; grid=1; outDir=wfile"_s);
    EXPECT_TRUE(settings.showTipOfTheDay());
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

} // namespace
} // namespace quillane
