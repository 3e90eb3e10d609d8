#include "renamelist/FileDateReading.h"

#include "platform/PosixFileSystem.h"
#include "renamelist/RenameListModel.h"
#include "tests/support/EventLoopApplication.h"
#include "tests/support/GatedFileDates.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gmock/gmock.h>

#include <thread>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

// Dates made up from the path's last digit.
class MadeUpDates final : public FileDatesSource {
public:
    FileMoments read(const QString& path, bool taken) const override {
        const int day = path.back().digitValue() + 1;
        return {QDateTime(QDate(2025, 8, day), QTime(9, 30)),
                taken ? QDateTime(QDate(2005, 6, day), QTime(15, 7)) : QDateTime()};
    }
};

qint32 minutes(int year, int month, int day, int hour, int minute) {
    return FileDates::minutesOf({QDate(year, month, day), QTime(hour, minute)});
}

class FileDateReadingTest : public testing::Test {
protected:
    void SetUp() override {
        model.appendEntries(
            {{u"/photos"_s, u"p0"_s}, {u"/photos"_s, u"p1"_s}, {u"/photos"_s, u"p2"_s}});
        QObject::connect(&reading, &FileDateReading::read,
                         [this](const QList<ReadDates>& answers) { model.keepDates(answers); });
    }
    void readAll(DatesNeeded needed) {
        QSignalSpy finished(&reading, &FileDateReading::finished);
        reading.start(model.datesMissing(needed), needed == DatesNeeded::Taken);
        ASSERT_TRUE(finished.wait(5000));
    }
    FileDates datesAt(qint32 row) const { return model.list().at(row).dates; }

    EventLoopApplication application;
    PosixFileSystem files;
    RenameListModel model{files};
    MadeUpDates madeUp;
    GatedFileDates source{madeUp};
    FileDateReading reading{source};
};

TEST_F(FileDateReadingTest, EachRowKeepsTheDatesReadForItsFileAndIsNotReadAgain) {
    EXPECT_EQ(model.datesMissing(DatesNeeded::None).size(), 0);
    readAll(DatesNeeded::Modified);
    EXPECT_EQ(datesAt(1), (FileDates{minutes(2025, 8, 2, 9, 30), FileDates::NotRead}));
    EXPECT_TRUE(model.datesMissing(DatesNeeded::Modified).isEmpty());
    EXPECT_EQ(model.datesMissing(DatesNeeded::Taken).size(), 3);

    readAll(DatesNeeded::Taken);
    EXPECT_EQ(datesAt(2), (FileDates{minutes(2025, 8, 3, 9, 30), minutes(2005, 6, 3, 15, 7)}));
    EXPECT_EQ(source.reads(), 6);
    // The modification time read alone again leaves the moment taken in place.
    model.keepDates(
        {{{0, u"/photos"_s, u"p0"_s}, {minutes(2026, 1, 1, 0, 0), FileDates::NotRead}}});
    EXPECT_EQ(datesAt(0).taken, minutes(2005, 6, 1, 15, 7));
    EXPECT_EQ(datesAt(0).modified, minutes(2026, 1, 1, 0, 0));
    EXPECT_TRUE(model.datesMissing(DatesNeeded::Taken).isEmpty());
}

// Rows the user moves while the dates are read get none that belong to another file; what they
// lack is read at the next start.
TEST_F(FileDateReadingTest, AnswersForRowsThatNowNameAnotherFileAreDropped) {
    const QList<DateRequest> asked = model.datesMissing(DatesNeeded::Modified);
    model.setSelected(0, true);
    model.moveDown(); // p1 p0 p2
    QList<ReadDates> answers;
    for (const DateRequest& request : asked)
        answers.append({request, {minutes(2025, 1, request.row + 1, 0, 0), FileDates::NotRead}});
    EXPECT_TRUE(model.keepDates(answers));
    EXPECT_EQ(datesAt(0).modified, FileDates::NotRead);
    EXPECT_EQ(datesAt(1).modified, FileDates::NotRead);
    EXPECT_EQ(datesAt(2).modified, minutes(2025, 1, 3, 0, 0));
    const QList<DateRequest> still = model.datesMissing(DatesNeeded::Modified);
    ASSERT_EQ(still.size(), 2);
    EXPECT_EQ(still[0].filename, u"p1"_s);
    EXPECT_FALSE(model.keepDates({{{7, u"/photos"_s, u"p7"_s}, {}}}));
}

TEST_F(FileDateReadingTest, AStoppedReadingSendsNothingMore) {
    QSignalSpy answers(&reading, &FileDateReading::read);
    source.setOpen(false);
    reading.start(model.datesMissing(DatesNeeded::Modified), false);
    EXPECT_TRUE(reading.busy());
    // The thread waits at the gate; stop must not wait on a read that never ends, so the gate
    // opens as soon as the stop has been asked for.
    std::thread opener([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        source.setOpen(true);
    });
    reading.stop();
    opener.join();
    EXPECT_FALSE(reading.busy());
    QCoreApplication::processEvents();
    EXPECT_EQ(answers.size(), 0);
    EXPECT_LE(source.reads(), 1);
    EXPECT_EQ(datesAt(0).modified, FileDates::NotRead);
}

TEST(FileDateReadingTextTest, ProgressGroupsItsNumbers) {
    EXPECT_EQ(readingProgressText(1234, 5000), u"Reading file dates: 1,234 of 5,000"_s);
}

} // namespace
} // namespace quillane
