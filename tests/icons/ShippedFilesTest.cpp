#include "icons/IconFile.h"
#include "tests/CaseName.h"

#include <QFile>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

QByteArray shipped(const QString& name) {
    QFile file(QStringLiteral(QUILLANE_RESOURCES_DIR) + u'/' + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

class ShippedIconTest : public testing::TestWithParam<const char*> {};

TEST_P(ShippedIconTest, HoldsSmallAndNormalImagesInBothColourDepths) {
    const QByteArray file = shipped(QString::fromLatin1(GetParam()));
    const auto directory = readIconDirectory(file);
    ASSERT_TRUE(directory.has_value());
    for (const int size : {16, 32}) {
        for (const int bits : {8, 32}) {
            const auto found = std::find_if(
                directory->entries.begin(), directory->entries.end(),
                [&](const IconEntry& e) { return e.width == size && e.bitCount == bits; });
            ASSERT_NE(found, directory->entries.end()) << size << " px, " << bits << " bit";
            const int index = static_cast<int>(found - directory->entries.begin());
            EXPECT_TRUE(decodeIconEntry(file, *directory, index).has_value());
        }
    }
    const int chosen = chooseIconEntry(*directory);
    ASSERT_GE(chosen, 0);
    EXPECT_EQ(directory->entries[chosen].width, 32);
    EXPECT_EQ(directory->entries[chosen].bitCount, 32);
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedIconTest,
                         testing::Values("Busy.ir", "Idle.ir", "Tod.ir", "Quillane.ir", "Amail.ir",
                                         "AAA.ico"));

TEST(ShippedFilesTest, TheProgramIconHasEverySize) {
    const auto directory = readIconDirectory(shipped(u"AAA.ico"_s));
    ASSERT_TRUE(directory.has_value());
    for (const int size : {16, 24, 32, 48}) {
        EXPECT_EQ(std::count_if(directory->entries.begin(), directory->entries.end(),
                                [&](const IconEntry& e) { return e.width == size; }),
                  2)
            << size;
    }
}

TEST(ShippedFilesTest, EveryLineOfTheTipsFileIsATip) {
    QStringDecoder decode("windows-1252");
    const QString text = decode(shipped(u"tod.ctd"_s));
    const QStringList tips = text.split(u"\r\n"_s);
    EXPECT_GE(tips.size(), 20);
    for (const QString& tip : tips) {
        EXPECT_FALSE(tip.trimmed().isEmpty());
        EXPECT_FALSE(tip.contains(u'\n') || tip.contains(u'\r'));
    }
}

} // namespace
} // namespace quillane
