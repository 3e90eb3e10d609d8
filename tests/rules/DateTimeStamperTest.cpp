#include "rules/DateTimeStamper.h"

#include "rules/RuleTexts.h"
#include "tests/CaseName.h"
#include "tests/rules/FixedClock.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

const LocalDateTime June14th2005At1507{QDate(2005, 6, 14), QTime(15, 7, 42)};

// The formats from 13 on add the time to these; a test below holds them to that.
TEST(StampTextTest, EveryDateFormatAndTheTimeOnTheExampleAfternoon) {
    const QStringList expected{u"140605"_s,   u"14062005"_s,   u"050614"_s,   u"20050614"_s,
                               u"1406"_s,     u"0614"_s,       u"14-06-05"_s, u"14-06-2005"_s,
                               u"05-06-14"_s, u"2005-06-14"_s, u"14-06"_s,    u"06-14"_s,
                               u"03:07 PM"_s};
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

TEST(StampTextTest, TimeFormatsAreTheDateFormatsPlusTime) {
    const QStringList& entries = stampFormatEntries();
    ASSERT_EQ(entries.size(), 25);
    for (int format = 13; format < 25; ++format) {
        EXPECT_EQ(entries[format], entries[format - 13] + u" + Time"_s);
        EXPECT_EQ(StampText(format, June14th2005At1507, TimeNotation{}),
                  StampText(format - 13, June14th2005At1507, TimeNotation{}) + u" 03:07 PM"_s);
    }
}

TEST(StampTextTest, NoStampForAnInvalidMoment) {
    EXPECT_EQ(StampText(22, {QDate(), QTime(1, 0)}, TimeNotation{}), u""_s);
    EXPECT_EQ(StampText(22, {QDate(2005, 1, 1), QTime()}, TimeNotation{}), u""_s);
}

TEST(SystemClockTest, TellsTheLocalTime) {
    const SystemClock clock;
    const QDateTime before = QDateTime::currentDateTime();
    const LocalDateTime now = clock.now();
    const QDateTime after = QDateTime::currentDateTime();
    const QDateTime told(now.date, now.time);
    EXPECT_LE(before.addMSecs(-1), told);
    EXPECT_LE(told, after.addMSecs(1));
}

struct NotationCase {
    const char* name;
    QString format;
    QString beforeNoon;
    QString afterNoon;
    TimeNotation expected;
};

class TimeNotationTest : public testing::TestWithParam<NotationCase> {};

TEST_P(TimeNotationTest, ReadsTheShortTimeFormat) {
    const NotationCase& c = GetParam();
    const TimeNotation notation = TimeNotation::fromFormat(c.format, c.beforeNoon, c.afterNoon);
    EXPECT_EQ(notation.separator, c.expected.separator);
    EXPECT_EQ(notation.beforeNoon, c.expected.beforeNoon);
    EXPECT_EQ(notation.afterNoon, c.expected.afterNoon);
}

INSTANTIATE_TEST_SUITE_P(Formats, TimeNotationTest,
                         testing::Values(NotationCase{"Colon", u"h:mm AP"_s, u"AM"_s, u"PM"_s,
                                                      TimeNotation{u":"_s, u"AM"_s, u"PM"_s}},
                                         NotationCase{"Dot", u"H.mm"_s, u"ap."_s, u"ip."_s,
                                                      TimeNotation{u"."_s, u"ap."_s, u"ip."_s}},
                                         NotationCase{"QuotedLetter", u"HH 'h' mm"_s, u"a.m."_s,
                                                      u"p.m."_s,
                                                      TimeNotation{u" h "_s, u"a.m."_s, u"p.m."_s}},
                                         NotationCase{"NoDesignators", u"HH:mm"_s, u""_s, u""_s,
                                                      TimeNotation{u":"_s, u"AM"_s, u"PM"_s}},
                                         NotationCase{"NoHours", u"mm"_s, u"AM"_s, u"PM"_s,
                                                      TimeNotation{u":"_s, u"AM"_s, u"PM"_s}}),
                         CaseName());

TEST(TimeNotationTest, FollowsTheLocale) {
    const QLocale finnish(QLocale::Finnish, QLocale::Finland);
    const TimeNotation notation = TimeNotation::fromLocale(finnish);
    EXPECT_EQ(notation.separator, u"."_s);
    EXPECT_EQ(notation.afterNoon, finnish.pmText());
}

} // namespace
} // namespace quillane
