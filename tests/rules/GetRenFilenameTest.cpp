#include "rules/GetRenFilename.h"

#include "tests/CaseName.h"
#include "tests/rules/FixedClock.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

const FixedClock June14th2005At1507({QDate(2005, 6, 14), QTime(15, 7)});

QString rename(const QString& name, qint32 index, const RenameRuleSet& rules) {
    return GetRenFilename(name, index, rules, DateTimeStamper(June14th2005At1507, TimeNotation{}));
}

TEST(GetRenFilenameTest, DefaultRulesNumberAnImageSeries) {
    const RenameRuleSet defaults;
    EXPECT_EQ(rename(u"holiday.jpg"_s, 0, defaults), u"Image1.jpg"_s);
    EXPECT_EQ(rename(u"photo.jpg"_s, 0, defaults), u"Image1.jpg"_s);
    EXPECT_EQ(rename(u"a.b.jpg"_s, 1, defaults), u"Image2.jpg"_s);
    EXPECT_EQ(rename(u"README"_s, 9, defaults), u"Image10"_s);
}

TEST(GetRenFilenameTest, WorkedExampleWithEveryKindOfRule) {
    RenameRuleSet rules;
    rules.NewFilenameOn = false;
    rules.ReplaceOn = true;
    rules.ReplaceWhat = u"photo"_s;
    rules.ReplaceWith = u"pic"_s;
    rules.UnderscoreToSpace = true;
    rules.RemoveSquareNumbers = true;
    rules.Prefix.Page = AffixPage::Numeric;
    rules.Prefix.Ascending = true;
    rules.Prefix.Text = u"10"_s;
    rules.Prefix.Increment = u"5"_s;
    rules.Prefix.Padding = u"3"_s;
    rules.Suffix.Page = AffixPage::Alphabetic;
    rules.Suffix.Text = u"_final"_s;
    rules.CaseMode = 3;
    rules.StampOn = true;
    rules.StampFormat = 9;
    rules.StampAsPrefix = false;
    EXPECT_EQ(rename(u"my_holiday photo[2].JPG"_s, 4, rules),
              u"030My Holiday Pic_final2005-06-14.JPG"_s);
}

struct NameCase {
    const char* name;
    std::function<void(RenameRuleSet&)> set;
    QString in;
    QString out;
};

class GetRenFilenameCases : public testing::TestWithParam<NameCase> {};

// Starts from the defaults with the new base name and the numbered suffix off.
TEST_P(GetRenFilenameCases, BuildsTheName) {
    const NameCase& c = GetParam();
    RenameRuleSet rules;
    rules.NewFilenameOn = false;
    rules.Suffix = AffixRule::prefixAtStartUp();
    c.set(rules);
    EXPECT_EQ(rename(c.in, 3, rules), c.out);
}

const auto Unchanged = [](RenameRuleSet&) {
};
const auto EmptyNewName = [](RenameRuleSet& r) {
    r.NewFilenameOn = true;
    r.NewFilename.clear();
};
const auto ReplaceGroupOn = [](RenameRuleSet& r) {
    r.ReplaceOn = true;
    r.SpaceToUnderscore = true;
};

INSTANTIATE_TEST_SUITE_P(
    Shapes, GetRenFilenameCases,
    testing::Values(NameCase{"NoDot", Unchanged, u"READ ME"_s, u"READ ME"_s},
                    NameCase{"NoDotReplaced", ReplaceGroupOn, u"READ ME"_s, u"READ_ME"_s},
                    NameCase{"NoDotNewExtension",
                             [](RenameRuleSet& r) {
                                 r.NewExtensionOn = true;
                                 r.NewExtension = u"txt"_s;
                             },
                             u"README"_s, u"README.txt"_s},
                    NameCase{"TrailingDotLost", Unchanged, u"name."_s, u"name"_s},
                    NameCase{"DotFileKept", Unchanged, u".bashrc"_s, u".bashrc"_s},
                    NameCase{"InnerDotsTakePartInReplacements",
                             [](RenameRuleSet& r) {
                                 r.ReplaceOn = true;
                                 r.ReplaceWhat = u"."_s;
                                 r.ReplaceWith = u"_"_s;
                             },
                             u"a.b.c.txt"_s, u"a_b_c.txt"_s},
                    NameCase{"ExtensionNeverReplaced", ReplaceGroupOn, u"a b.t t"_s, u"a_b.t t"_s},
                    NameCase{"EmptyNewNameKeepsExtension", EmptyNewName, u"photo.jpg"_s, u".jpg"_s},
                    NameCase{"EmptyNewNameWithoutExtension", EmptyNewName, u"README"_s, u""_s},
                    NameCase{"EmptyNewExtension", [](RenameRuleSet& r) { r.NewExtensionOn = true; },
                             u"photo.jpg"_s, u"photo"_s},
                    NameCase{"NewExtensionWithItsOwnDot",
                             [](RenameRuleSet& r) {
                                 r.NewExtensionOn = true;
                                 r.NewExtension = u".png"_s;
                             },
                             u"photo.jpg"_s, u"photo..png"_s},
                    NameCase{"NewNameSkipsTheReplaceGroup",
                             [](RenameRuleSet& r) {
                                 r.NewFilenameOn = true;
                                 r.NewFilename = u"a b"_s;
                                 r.ReplaceOn = true;
                                 r.SpaceToUnderscore = true;
                             },
                             u"x y.jpg"_s, u"a b.jpg"_s},
                    NameCase{"EmptyReplaceGroupChangesNothing",
                             [](RenameRuleSet& r) { r.ReplaceOn = true; }, u"a b_c.jpg"_s,
                             u"a b_c.jpg"_s},
                    NameCase{"CaseOnlyOnTheBase",
                             [](RenameRuleSet& r) {
                                 r.CaseMode = 1;
                                 r.Prefix.Text = u"pre"_s;
                                 r.Suffix.Text = u"suf"_s;
                             },
                             u"photo.jpg"_s, u"prePHOTOsuf.jpg"_s},
                    NameCase{"CaseAfterSearch",
                             [](RenameRuleSet& r) {
                                 r.CaseMode = 1;
                                 r.ReplaceOn = true;
                                 r.ReplaceWhat = u"Photo"_s;
                                 r.ReplaceWith = u"pic"_s;
                             },
                             u"Photo.jpg"_s, u"PIC.jpg"_s},
                    NameCase{"StampBeforePrefix",
                             [](RenameRuleSet& r) {
                                 r.Prefix.Text = u"P"_s;
                                 r.StampOn = true;
                                 r.StampFormat = 4;
                             },
                             u"photo.jpg"_s, u"1406Pphoto.jpg"_s},
                    NameCase{"StampAfterSuffix",
                             [](RenameRuleSet& r) {
                                 r.Suffix.Text = u"S"_s;
                                 r.StampOn = true;
                                 r.StampFormat = 4;
                                 r.StampAsPrefix = false;
                             },
                             u"photo.jpg"_s, u"photoS1406.jpg"_s},
                    NameCase{"TimeStampKeepsItsSeparator",
                             [](RenameRuleSet& r) {
                                 r.StampOn = true;
                                 r.StampFormat = 12;
                                 r.StampAsPrefix = false;
                             },
                             u"photo.jpg"_s, u"photo03:07 PM.jpg"_s}),
    CaseName());

struct SourceCase {
    const char* name;
    StampMoment source;
    FileDates dates;
    QString expected;
};

class StampSourceTest : public testing::TestWithParam<SourceCase> {};

// The clock says 14 June 2005 at 15:07; the file was modified on 2 August 2025 at 18:45 and the
// photo taken on 1 January 1969 at 00:30.
TEST_P(StampSourceTest, StampsTheMomentItsSourceGives) {
    const SourceCase& c = GetParam();
    RenameRuleSet rules;
    rules.NewFilenameOn = false;
    rules.Suffix = AffixRule::prefixAtStartUp();
    rules.StampOn = true;
    rules.StampFormat = 22; // yyyy-mm-dd hh:mm AMPM
    rules.StampAsPrefix = false;
    rules.StampSource = c.source;
    EXPECT_EQ(GetRenFilename(u"a.jpg"_s, 0, rules,
                             DateTimeStamper(June14th2005At1507, TimeNotation{}), c.dates),
              c.expected);
}

const qint32 August2nd2025 = FileDates::minutesOf({QDate(2025, 8, 2), QTime(18, 45, 59)});
const qint32 January1st1969 = FileDates::minutesOf({QDate(1969, 1, 1), QTime(0, 30)});

INSTANTIATE_TEST_SUITE_P(
    Sources, StampSourceTest,
    testing::Values(
        SourceCase{"NowIgnoresTheFile", StampMoment::Now, FileDates{August2nd2025, January1st1969},
                   u"a2005-06-14 03:07 PM.jpg"_s},
        SourceCase{"FileModified", StampMoment::FileModified,
                   FileDates{August2nd2025, January1st1969}, u"a2025-08-02 06:45 PM.jpg"_s},
        SourceCase{"PhotoTakenBefore1970", StampMoment::PhotoTaken,
                   FileDates{August2nd2025, January1st1969}, u"a1969-01-01 12:30 AM.jpg"_s},
        SourceCase{"NoMomentTakenFallsBackToModified", StampMoment::PhotoTaken,
                   FileDates{August2nd2025, FileDates::None}, u"a2025-08-02 06:45 PM.jpg"_s},
        SourceCase{"NotReadYetStampsNothing", StampMoment::PhotoTaken,
                   FileDates{August2nd2025, FileDates::NotRead}, u"a.jpg"_s},
        SourceCase{"AFileWithNoDateStampsNothing", StampMoment::FileModified,
                   FileDates{FileDates::None, FileDates::None}, u"a.jpg"_s}),
    CaseName());

TEST(FileDatesTest, MinutesHoldEveryMomentTheStampCanShow) {
    for (const LocalDateTime& moment : {LocalDateTime{QDate(1970, 1, 1), QTime(0, 0)},
                                        LocalDateTime{QDate(1969, 12, 31), QTime(23, 59)},
                                        LocalDateTime{QDate(1, 1, 1), QTime(0, 1)},
                                        LocalDateTime{QDate(5000, 12, 31), QTime(23, 59)}}) {
        const auto back = FileDates::momentOf(FileDates::minutesOf(moment));
        ASSERT_TRUE(back) << qPrintable(moment.date.toString());
        EXPECT_EQ(back->date, moment.date);
        EXPECT_EQ(back->time, moment.time);
    }
    EXPECT_EQ(FileDates::minutesOf({QDate(), QTime(1, 0)}), FileDates::None);
    EXPECT_EQ(FileDates::minutesOf({QDate(9000, 1, 1), QTime(0, 0)}), FileDates::None);
}

} // namespace
} // namespace quillane
