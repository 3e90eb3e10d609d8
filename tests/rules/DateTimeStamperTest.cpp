#include "rules/DateTimeStamper.h"

#include "rules/RuleTexts.h"
#include "tests/QtPrinters.h"
#include "tests/rules/FixedClock.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

const LocalDateTime June14th2005At1507{QDate(2005, 6, 14), QTime(15, 7, 42)};

TEST(StampTextTest, EveryFormatOnTheExampleAfternoon) {
    const QStringList expected{u"140605"_s,
                               u"14062005"_s,
                               u"050614"_s,
                               u"20050614"_s,
                               u"1406"_s,
                               u"0614"_s,
                               u"14-06-05"_s,
                               u"14-06-2005"_s,
                               u"05-06-14"_s,
                               u"2005-06-14"_s,
                               u"14-06"_s,
                               u"06-14"_s,
                               u"03:07 PM"_s,
                               u"140605 03:07 PM"_s,
                               u"14062005 03:07 PM"_s,
                               u"050614 03:07 PM"_s,
                               u"20050614 03:07 PM"_s,
                               u"1406 03:07 PM"_s,
                               u"0614 03:07 PM"_s,
                               u"14-06-05 03:07 PM"_s,
                               u"14-06-2005 03:07 PM"_s,
                               u"05-06-14 03:07 PM"_s,
                               u"2005-06-14 03:07 PM"_s,
                               u"14-06 03:07 PM"_s,
                               u"06-14 03:07 PM"_s};
    ASSERT_EQ(expected.size(), stampFormatEntries().size());
    for (int format = 0; format < expected.size(); ++format) {
        EXPECT_EQ(StampText(format, June14th2005At1507, TimeNotation{}), expected[format])
            << stampFormatEntries()[format].toStdString();
    }
}

TEST(StampTextTest, TwelveHourClockAndDesignators) {
    const TimeNotation dotted{u"."_s, u"vorm."_s, u"nachm."_s};
    const QDate day(1999, 12, 31);
    EXPECT_EQ(StampText(12, {day, QTime(0, 5)}, TimeNotation{}), u"12:05 AM"_s);
    EXPECT_EQ(StampText(12, {day, QTime(11, 59)}, TimeNotation{}), u"11:59 AM"_s);
    EXPECT_EQ(StampText(12, {day, QTime(12, 0)}, TimeNotation{}), u"12:00 PM"_s);
    EXPECT_EQ(StampText(12, {day, QTime(23, 1)}, dotted), u"11.01 nachm."_s);
    EXPECT_EQ(StampText(12, {day, QTime(9, 30)}, dotted), u"09.30 vorm."_s);
}

TEST(StampTextTest, YearsAndFormatsOutsideTheList) {
    EXPECT_EQ(StampText(1, {QDate(987, 1, 2), QTime(1, 0)}, TimeNotation{}), u"02010987"_s);
    EXPECT_EQ(StampText(0, {QDate(2000, 1, 2), QTime(1, 0)}, TimeNotation{}), u"020100"_s);
    EXPECT_EQ(StampText(-1, June14th2005At1507, TimeNotation{}), u""_s);
    EXPECT_EQ(StampText(25, June14th2005At1507, TimeNotation{}), u""_s);
}

TEST(DateTimeStamperTest, ReadsItsClockAndNotation) {
    const FixedClock clock(June14th2005At1507);
    const DateTimeStamper stamper(clock, TimeNotation{u"h"_s, u"a"_s, u"p"_s});
    EXPECT_EQ(stamper.stampNow(22), u"2005-06-14 03h07 p"_s);
}

TEST(TimeNotationTest, FollowsTheLocale) {
    const TimeNotation c = TimeNotation::fromLocale(QLocale::c());
    EXPECT_EQ(c.separator, u":"_s);
    EXPECT_EQ(c.beforeNoon, u"AM"_s);
    EXPECT_EQ(c.afterNoon, u"PM"_s);

    const TimeNotation finnish =
        TimeNotation::fromLocale(QLocale(QLocale::Finnish, QLocale::Finland));
    EXPECT_EQ(finnish.separator, u"."_s);

    const QLocale korean(QLocale::Korean, QLocale::SouthKorea);
    const TimeNotation ko = TimeNotation::fromLocale(korean);
    EXPECT_EQ(ko.beforeNoon, korean.amText());
    EXPECT_NE(ko.beforeNoon, u"AM"_s);
}

} // namespace
} // namespace quillane
