#include "icons/IconFile.h"

#include "tests/CaseName.h"
#include "tests/icons/IconFileWriter.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace quillane {
namespace {

struct ChoiceCase {
    const char* name;
    QList<ImageShape> images;
    int type;
    int expected;
};

class ChooseIconEntryTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(ChooseIconEntryTest, PicksTheEntryToShow) {
    const auto directory = readIconDirectory(iconFile(GetParam().images, GetParam().type));
    ASSERT_TRUE(directory.has_value());
    EXPECT_EQ(chooseIconEntry(*directory), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ChooseIconEntryTest,
    testing::Values(
        ChoiceCase{"LaterTrueColour32Wins",
                   QList<ImageShape>{
                       {16, 8}, {24, 8}, {32, 8}, {48, 8}, {16, 32}, {24, 32}, {32, 32}, {48, 32}},
                   1, 6},
        ChoiceCase{"First32WithoutALaterTrueColourOne",
                   QList<ImageShape>{{16, 8}, {32, 8}, {48, 32}}, 1, 1},
        ChoiceCase{"First16WhenNo32", QList<ImageShape>{{48, 8}, {16, 8}, {16, 32}}, 1, 1},
        ChoiceCase{"Single32", QList<ImageShape>{{32, 4}}, 1, 0},
        ChoiceCase{"Single48", QList<ImageShape>{{48, 32}}, 1, -1},
        ChoiceCase{"Cursor", QList<ImageShape>{{32, 32}}, 2, -1},
        ChoiceCase{"FirstEntryOfNoSize", QList<ImageShape>{{256, 32}, {32, 32}}, 1, -1}),
    CaseName());

class DecodeIconTest : public testing::TestWithParam<int> {};

TEST_P(DecodeIconTest, EveryBitCountGivesTheKnownPixels) {
    const int bitCount = GetParam();
    const QByteArray file = iconFile({{16, bitCount}});
    const auto directory = readIconDirectory(file);
    ASSERT_TRUE(directory.has_value());
    const auto icon = decodeIconEntry(file, *directory, 0);
    ASSERT_TRUE(icon.has_value());
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(icon->colour.pixel(x, y) & 0xFFFFFF,
                      expectedColour(x, y, bitCount) & 0xFFFFFF)
                << x << "," << y;
            ASSERT_EQ(icon->transparent[y * 16 + x], expectedTransparent(x, y));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BitCounts, DecodeIconTest, testing::Values(1, 4, 8, 24, 32));

TEST(ComposeIconTest, TransparencyAndAlphaMeetTheBackground) {
    const QByteArray file = iconFile({{32, 32}});
    const auto icon = decodeIconEntry(file, *readIconDirectory(file), 0);
    ASSERT_TRUE(icon.has_value());
    const QColor background(200, 100, 50);
    const QImage shown = composeIcon(*icon, background);
    // A masked pixel shows the background with the image XORed on it, as icons are drawn; icon
    // files keep black there, which leaves the background.
    EXPECT_EQ(shown.pixel(0, 5) & 0xFFFFFF,
              (background.rgb() ^ expectedColour(0, 5, 32)) & 0xFFFFFF);
    // (16, 0) has alpha 0: the background exactly; (15, 15) has alpha 255: the icon's colour.
    EXPECT_EQ(expectedAlpha(16, 0), 0);
    EXPECT_EQ(shown.pixel(16, 0) & 0xFFFFFF, background.rgb() & 0xFFFFFF);
    EXPECT_EQ(expectedAlpha(15, 15), 255);
    EXPECT_EQ(shown.pixel(15, 15) & 0xFFFFFF, expectedColour(15, 15, 32) & 0xFFFFFF);
    // (8, 2): alpha 130 is 50 percent.
    const QRgb c = expectedColour(8, 2, 32);
    EXPECT_EQ(qRed(shown.pixel(8, 2)), (50 * 200 + 50 * qRed(c)) / 100);
}

TEST(DecodeIconTest, EveryCutShortFileIsRefused) {
    const QByteArray file = iconFile({{32, 8}});
    for (qsizetype length = 0; length < file.size(); ++length) {
        const QByteArray cut = file.first(length);
        const auto directory = readIconDirectory(cut);
        if (directory && !directory->entries.isEmpty()) {
            EXPECT_FALSE(decodeIconEntry(cut, *directory, 0).has_value()) << length;
        }
    }
}

TEST(DecodeIconTest, HostileNumbersAreRefused) {
    QByteArray manyEntries = iconFile({{32, 8}});
    manyEntries[4] = static_cast<char>(0xFF); // 255+ entries claimed, few present
    manyEntries[5] = static_cast<char>(0xFF);
    EXPECT_FALSE(readIconDirectory(manyEntries).has_value());

    QByteArray farOffset = iconFile({{32, 8}});
    qToLittleEndian<quint32>(0xFFFFFFF0u, farOffset.data() + 6 + 12);
    const auto directory = readIconDirectory(farOffset);
    ASSERT_TRUE(directory.has_value());
    EXPECT_FALSE(decodeIconEntry(farOffset, *directory, 0).has_value());
    EXPECT_FALSE(decodeIconEntry(farOffset, *directory, 1).has_value());
    EXPECT_FALSE(decodeIconEntry(farOffset, *directory, -1).has_value());
}

} // namespace
} // namespace quillane
