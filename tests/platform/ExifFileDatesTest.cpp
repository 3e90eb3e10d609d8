#include "platform/ExifFileDates.h"

#include "tests/CaseName.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <exiv2/exiv2.hpp>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

class ExifFileDatesTest : public testing::Test {
protected:
    // A small JPEG; with a text, Exiv2 writes it as the moment the photo was taken.
    QString photo(const QString& name, const char* takenText = nullptr) const {
        QString path = folder.filePath(name);
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        EXPECT_TRUE(picture.save(path, "JPEG"));
        if (takenText != nullptr) {
            const auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
            image->readMetadata();
            image->exifData()["Exif.Photo.DateTimeOriginal"] = std::string(takenText);
            image->writeMetadata();
        }
        return path;
    }
    // The file's modification time set to a known second.
    void modifiedAt(const QString& path, const QDateTime& moment) const {
        const timespec times[2] = {{moment.toSecsSinceEpoch(), 0}, {moment.toSecsSinceEpoch(), 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    }

    QTemporaryDir folder;
    ExifFileDates dates;
    const QDateTime lastSummer{QDate(2025, 8, 2), QTime(18, 45, 10)};
};

TEST_F(ExifFileDatesTest, APhotoTellsWhenItWasTakenAndEveryFileWhenItWasModified) {
    const QString taken = photo(u"taken.jpg"_s, "2005:06:14 15:07:42");
    const QString plain = photo(u"plain.jpg"_s);
    const QString blank = photo(u"blank.jpg"_s, "0000:00:00 00:00:00");
    const QString notes = folder.filePath(u"notes.txt"_s);
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("2005:06:14 15:07:42");
    text.close();
    for (const QString& path : {taken, plain, blank, notes})
        modifiedAt(path, lastSummer);

    const FileMoments read = dates.read(taken, true);
    EXPECT_EQ(read.taken, QDateTime(QDate(2005, 6, 14), QTime(15, 7, 42)));
    EXPECT_EQ(read.modified, lastSummer);
    // Asked for the modification time alone, the photo is not opened.
    EXPECT_FALSE(dates.read(taken, false).taken.isValid());
    for (const QString& path : {plain, blank, notes}) {
        const FileMoments none = dates.read(path, true);
        EXPECT_FALSE(none.taken.isValid()) << qPrintable(path);
        EXPECT_EQ(none.modified, lastSummer) << qPrintable(path);
    }
}

// A pipe is never opened, where reading it would wait for a writer for ever; a link gives its
// target's dates, and a file that is gone none at all.
TEST_F(ExifFileDatesTest, OnlyRegularFilesAreOpened) {
    const QString pipe = folder.filePath(u"pipe"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    modifiedAt(pipe, lastSummer);
    const FileMoments ofPipe = dates.read(pipe, true);
    EXPECT_EQ(ofPipe.modified, lastSummer);
    EXPECT_FALSE(ofPipe.taken.isValid());

    const QString target = photo(u"target.jpg"_s, "2010:01:02 03:04:05");
    const QString link = folder.filePath(u"link.jpg"_s);
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(dates.read(link, true).taken, QDateTime(QDate(2010, 1, 2), QTime(3, 4, 5)));

    const FileMoments gone = dates.read(folder.filePath(u"gone.jpg"_s), true);
    EXPECT_FALSE(gone.modified.isValid());
    EXPECT_FALSE(gone.taken.isValid());
}

struct MomentCase {
    const char* name;
    QString text;
    QDateTime expected;
};

class ExifMomentTest : public testing::TestWithParam<MomentCase> {};

TEST_P(ExifMomentTest, ReadsTheExifFormOnly) {
    EXPECT_EQ(exifMoment(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExifMomentTest,
    testing::Values(MomentCase{"Plain", u"2005:06:14 15:07:42"_s,
                               QDateTime{QDate(2005, 6, 14), QTime(15, 7, 42)}},
                    MomentCase{"PaddedWithSpaces", u" 2005:06:14 15:07:42 "_s,
                               QDateTime{QDate(2005, 6, 14), QTime(15, 7, 42)}},
                    MomentCase{"ClockNeverSet", u"0000:00:00 00:00:00"_s, {}},
                    MomentCase{"NoSuchDay", u"2005:02:30 10:00:00"_s, {}},
                    MomentCase{"NoSuchHour", u"2005:06:14 24:00:00"_s, {}},
                    MomentCase{"DashesInsteadOfColons", u"2005-06-14 15:07:42"_s, {}},
                    MomentCase{"TrailingText", u"2005:06:14 15:07:42x"_s, {}},
                    MomentCase{"Empty", QString(), {}}),
    CaseName());

} // namespace
} // namespace quillane
