#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

namespace quillane {

// Writes icon files whose pixels the tests know: expectedColour, expectedAlpha and
// expectedTransparent tell each pixel.
struct ImageShape {
    int size;
    int bitCount;
};

// The colour, alpha and mask each test image has at (x, y).
inline QRgb expectedColour(int x, int y, int bitCount) {
    if (bitCount <= 8) {
        const int index = (x + y) % (1 << bitCount);
        return qRgb(index * 7 % 256, index * 13 % 256, index * 29 % 256);
    }
    return qRgb(x * 8, y * 8, (x + y) * 4);
}
inline int expectedAlpha(int x, int y) {
    return (x * 16 + y) % 256;
}
inline bool expectedTransparent(int x, int y) {
    return x == 0 || y == 1;
}

inline void put16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF)).append(static_cast<char>((value >> 8) & 0xFF));
}
inline void put32(QByteArray& out, qint64 value) {
    put16(out, static_cast<int>(value & 0xFFFF));
    put16(out, static_cast<int>((value >> 16) & 0xFFFF));
}

inline QByteArray image(const ImageShape& shape) {
    const int size = shape.size;
    QByteArray out;
    put32(out, 40);
    put32(out, size);
    put32(out, size * 2);
    put16(out, 1);
    put16(out, shape.bitCount);
    out.append(24, '\0');
    const int paletteSize = shape.bitCount <= 8 ? 1 << shape.bitCount : 0;
    for (int i = 0; i < paletteSize; ++i) {
        const QRgb c = qRgb(i * 7 % 256, i * 13 % 256, i * 29 % 256);
        out.append(static_cast<char>(qBlue(c))).append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c))).append('\0');
    }
    const int stride = (size * shape.bitCount + 31) / 32 * 4;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < size; ++x) {
            if (shape.bitCount <= 8) {
                const int index = (x + y) % paletteSize;
                const int bit = x * shape.bitCount;
                row[bit / 8] =
                    static_cast<char>(row[bit / 8] | (index << (8 - shape.bitCount - bit % 8)));
            } else {
                const QRgb c = expectedColour(x, y, shape.bitCount);
                const int at = x * shape.bitCount / 8;
                row[at] = static_cast<char>(qBlue(c));
                row[at + 1] = static_cast<char>(qGreen(c));
                row[at + 2] = static_cast<char>(qRed(c));
                if (shape.bitCount == 32)
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

inline QByteArray iconFile(const QList<ImageShape>& shapes, int type = 1) {
    QByteArray out;
    put16(out, 0);
    put16(out, type);
    put16(out, static_cast<int>(shapes.size()));
    QList<QByteArray> images;
    qint64 offset = 6 + 16 * shapes.size();
    for (const ImageShape& shape : shapes) {
        images.append(image(shape));
        out.append(static_cast<char>(shape.size % 256)).append(static_cast<char>(shape.size % 256));
        out.append('\0').append('\0');
        put16(out, 1);
        put16(out, shape.bitCount);
        put32(out, images.back().size());
        put32(out, offset);
        offset += images.back().size();
    }
    for (const QByteArray& data : images)
        out.append(data);
    return out;
}

} // namespace quillane
