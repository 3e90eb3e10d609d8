#include "renamelist/RefreshRenOutputLst.h"

#include "rules/GetRenFilename.h"
#include "tests/QtPrinters.h"
#include "tests/renamelist/ListHelpers.h"
#include "tests/rules/FixedClock.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

const FixedClock Noon({QDate(2005, 6, 14), QTime(12, 0)});

RenameRuleSet numberedPrefix() {
    RenameRuleSet rules;
    rules.NewFilenameOn = false;
    rules.Suffix = AffixRule::prefixAtStartUp();
    rules.Prefix.Page = AffixPage::Numeric;
    rules.Prefix.Ascending = true;
    rules.Prefix.Text = u"1"_s;
    rules.Prefix.Padding = u"2"_s;
    return rules;
}

QStringList renouts(const RenameList& list) {
    QStringList cells;
    for (qint32 row = 0; row < list.count(); ++row)
        cells.append(list.cell(row, ListColumn::Renout));
    return cells;
}

TEST(RefreshRenOutputLstTest, NumbersFollowTheDisplayOrderAsOfTheLastRefresh) {
    const DateTimeStamper stamper(Noon, TimeNotation{});
    RenameList list = listOf(u"a b* c"_s);
    RefreshRenOutputLst(list, numberedPrefix(), stamper);
    EXPECT_EQ(renouts(list), (QStringList{u"01a"_s, u"02b"_s, u"03c"_s}));

    list.removeSelected(); // c is selected now and keeps its old number
    EXPECT_EQ(renouts(list), (QStringList{u"01a"_s, u"03c"_s}));
    list.moveUp();
    RefreshRenOutputLst(list, numberedPrefix(), stamper);
    EXPECT_EQ(renouts(list), (QStringList{u"01c"_s, u"02a"_s}));
}

TEST(RefreshRenOutputLstTest, WritesEmptyNamesAsTheyCome) {
    RenameRuleSet rules;
    rules.NewFilename.clear();
    rules.Suffix.Text.clear();
    rules.Suffix.Ascending = false;
    RenameList list = listOf(u"README"_s);
    RefreshRenOutputLst(list, rules, DateTimeStamper(Noon, TimeNotation{}));
    EXPECT_EQ(renouts(list), QStringList{QString()});
}

// A long list is refreshed on every core, each with its own copy of the rules' texts; the names
// are the ones each row gets alone.
TEST(RefreshRenOutputLstTest, ALongListGetsTheNamesEachRowGetsAlone) {
    const DateTimeStamper stamper(Noon, TimeNotation{});
    RenameRuleSet rules = numberedPrefix();
    rules.NewFilenameOn = true;
    rules.NewFilename = QString(u"Trip "_s).repeated(2);
    rules.Suffix.Page = AffixPage::Alphabetic;
    rules.Suffix.Text = QString(u"-x"_s).repeated(2);
    RenameList list;
    for (int i = 0; i < 70'000; ++i)
        list.append(u"/photos"_s, u"IMG_%1.JPG"_s.arg(i));
    RefreshRenOutputLst(list, rules, stamper);
    for (qint32 row = 0; row < list.count(); row += 997)
        EXPECT_EQ(list.cell(row, ListColumn::Renout),
                  GetRenFilename(list.filename(row), row, rules, stamper));
    EXPECT_EQ(list.cell(69'999, ListColumn::Renout), u"70000Trip Trip -x-x.JPG"_s);

    const RenameRuleSet own = rules.withOwnTexts();
    EXPECT_EQ(own.NewFilename, rules.NewFilename);
    EXPECT_NE(own.NewFilename.constData(), rules.NewFilename.constData());
    EXPECT_EQ(own.Suffix.Text, rules.Suffix.Text);
}

} // namespace
} // namespace quillane
