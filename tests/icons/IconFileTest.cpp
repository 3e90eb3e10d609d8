#include "icons/IconFile.h"

#include "tests/CaseName.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace quillane {
namespace {

struct ImageSpec {
    int size;
    int bitCount;
};

// The colour, alpha and mask each test image has at (x, y).
QRgb expectedColour(int x, int y, int bitCount) {
    if (bitCount <= 8) {
        const int index = (x + y) % (1 << bitCount);
        return qRgb(index * 7 % 256, index * 13 % 256, index * 29 % 256);
    }
    return qRgb(x * 8, y * 8, (x + y) * 4);
}
int expectedAlpha(int x, int y) {
    return (x * 16 + y) % 256;
}
bool expectedTransparent(int x, int y) {
    return x == 0 || y == 1;
}

void put16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF)).append(static_cast<char>((value >> 8) & 0xFF));
}
void put32(QByteArray& out, qint64 value) {
    put16(out, static_cast<int>(value & 0xFFFF));
    put16(out, static_cast<int>((value >> 16) & 0xFFFF));
}

QByteArray image(const ImageSpec& spec) {
    const int size = spec.size;
    QByteArray out;
    put32(out, 40);
    put32(out, size);
    put32(out, size * 2);
    put16(out, 1);
    put16(out, spec.bitCount);
    out.append(24, '\0');
    const int paletteSize = spec.bitCount <= 8 ? 1 << spec.bitCount : 0;
    for (int i = 0; i < paletteSize; ++i) {
        const QRgb c = qRgb(i * 7 % 256, i * 13 % 256, i * 29 % 256);
        out.append(static_cast<char>(qBlue(c))).append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c))).append('\0');
    }
    const int stride = (size * spec.bitCount + 31) / 32 * 4;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < size; ++x) {
            if (spec.bitCount <= 8) {
                const int index = (x + y) % paletteSize;
                const int bit = x * spec.bitCount;
                row[bit / 8] =
                    static_cast<char>(row[bit / 8] | (index << (8 - spec.bitCount - bit % 8)));
            } else {
                const QRgb c = expectedColour(x, y, spec.bitCount);
                const int at = x * spec.bitCount / 8;
                row[at] = static_cast<char>(qBlue(c));
                row[at + 1] = static_cast<char>(qGreen(c));
                row[at + 2] = static_cast<char>(qRed(c));
                if (spec.bitCount == 32)
                    row[at + 3] = static_cast<char>(expectedAlpha(x, y));
            }
        }
        out.append(row);
    }
    const int maskStride = (size + 31) / 32 * 4;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (expectedTransparent(x, y))
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

QByteArray iconFile(const QList<ImageSpec>& specs, int type = 1) {
    QByteArray out;
    put16(out, 0);
    put16(out, type);
    put16(out, static_cast<int>(specs.size()));
    QList<QByteArray> images;
    qint64 offset = 6 + 16 * specs.size();
    for (const ImageSpec& spec : specs) {
        images.append(image(spec));
        out.append(static_cast<char>(spec.size % 256)).append(static_cast<char>(spec.size % 256));
        out.append('\0').append('\0');
        put16(out, 1);
        put16(out, spec.bitCount);
        put32(out, images.back().size());
        put32(out, offset);
        offset += images.back().size();
    }
    for (const QByteArray& data : images)
        out.append(data);
    return out;
}

struct ChoiceCase {
    const char* name;
    QList<ImageSpec> images;
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
                   {{16, 8}, {24, 8}, {32, 8}, {48, 8}, {16, 32}, {24, 32}, {32, 32}, {48, 32}},
                   1,
                   6},
        ChoiceCase{"First32WithoutALaterTrueColourOne", {{16, 8}, {32, 8}, {48, 32}}, 1, 1},
        ChoiceCase{"First16WhenNo32", {{48, 8}, {16, 8}, {16, 32}}, 1, 1},
        ChoiceCase{"Single32", {{32, 4}}, 1, 0}, ChoiceCase{"Single48", {{48, 32}}, 1, -1},
        ChoiceCase{"Cursor", {{32, 32}}, 2, -1}),
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
