#include "icons/IconFile.h"

#include <QtEndian>

namespace quillane {

namespace {

constexpr qsizetype DirectoryHeaderSize = 6;
constexpr qsizetype DirectoryEntrySize = 16;
constexpr qsizetype InfoHeaderSize = 40;

// Reads little-endian numbers at checked places.
class Reader {
public:
    explicit Reader(QByteArrayView data) : m_data(data) {}

    bool has(qint64 offset, qint64 size) const {
        return offset >= 0 && size >= 0 && offset <= m_data.size() &&
               size <= m_data.size() - offset;
    }
    quint8 u8(qint64 at) const { return static_cast<quint8>(m_data[at]); }
    quint16 u16(qint64 at) const { return qFromLittleEndian<quint16>(m_data.data() + at); }
    quint32 u32(qint64 at) const { return qFromLittleEndian<quint32>(m_data.data() + at); }
    qint32 s32(qint64 at) const { return qFromLittleEndian<qint32>(m_data.data() + at); }

private:
    QByteArrayView m_data;
};

qint64 rowBytes(int width, int bitsPerPixel) {
    return (qint64{width} * bitsPerPixel + 31) / 32 * 4;
}

bool isSquareSmallIcon(const IconEntry& e, int size) {
    return e.width == size && e.height == size;
}

} // namespace

std::optional<IconDirectory> readIconDirectory(QByteArrayView file) {
    const Reader in(file);
    if (!in.has(0, DirectoryHeaderSize))
        return std::nullopt;
    IconDirectory directory;
    directory.type = in.u16(2);
    const int count = in.u16(4);
    if (!in.has(DirectoryHeaderSize, qint64{count} * DirectoryEntrySize))
        return std::nullopt;
    for (int i = 0; i < count; ++i) {
        const qint64 at = DirectoryHeaderSize + qint64{i} * DirectoryEntrySize;
        IconEntry e;
        e.width = in.u8(at);
        e.height = in.u8(at + 1);
        e.bitCount = in.u16(at + 6);
        e.bytesInResource = in.u32(at + 8);
        e.imageOffset = in.u32(at + 12);
        directory.entries.append(e);
    }
    return directory;
}

int chooseIconEntry(const IconDirectory& directory) {
    const QList<IconEntry>& entries = directory.entries;
    if (entries.isEmpty() || directory.type != 1)
        return -1;
    const IconEntry& first = entries.front();
    if (first.width == 0 || first.height == 0 || first.bytesInResource == 0 ||
        first.imageOffset == 0)
        return -1;
    if (entries.size() == 1) {
        const bool fits =
            (first.width == 16 || first.width == 32) && (first.height == 16 || first.height == 32);
        return fits ? 0 : -1;
    }
    int best = -1;
    int bestSize = 0;
    for (int i = 0; i < entries.size(); ++i) {
        const IconEntry& e = entries[i];
        if (isSquareSmallIcon(e, 16) && bestSize == 0) {
            best = i;
            bestSize = 16;
        } else if (isSquareSmallIcon(e, 32)) {
            if (bestSize != 32) {
                best = i;
                bestSize = 32;
            } else if (e.bitCount == 32) {
                return i;
            }
        }
    }
    return best;
}

std::optional<DecodedIcon> decodeIconEntry(QByteArrayView file, const IconDirectory& directory,
                                           int index) {
    if (index < 0 || index >= directory.entries.size())
        return std::nullopt;
    const IconEntry& entry = directory.entries[index];
    if (entry.width != entry.height || (entry.width != 16 && entry.width != 32))
        return std::nullopt;
    const int size = entry.width;
    const Reader in(file);
    const qint64 header = entry.imageOffset;
    if (!in.has(header, InfoHeaderSize))
        return std::nullopt;
    const qint64 headerSize = in.u32(header);
    const int bitCount = in.u16(header + 14);
    if (headerSize < InfoHeaderSize || in.s32(header + 4) != size)
        return std::nullopt;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return std::nullopt;

    const int paletteSize = bitCount <= 8 ? 1 << bitCount : 0;
    const qint64 palette = header + headerSize;
    const qint64 colourRows = palette + qint64{paletteSize} * 4;
    const qint64 colourStride = rowBytes(size, bitCount);
    const qint64 maskRows = colourRows + colourStride * size;
    const qint64 maskStride = rowBytes(size, 1);
    if (!in.has(palette, maskRows + maskStride * size - palette))
        return std::nullopt;

    QList<QRgb> colours;
    for (int i = 0; i < paletteSize; ++i) {
        const qint64 at = palette + qint64{i} * 4;
        colours.append(qRgb(in.u8(at + 2), in.u8(at + 1), in.u8(at)));
    }

    DecodedIcon icon;
    icon.size = size;
    icon.bitCount = bitCount;
    icon.colour = QImage(size, size, QImage::Format_RGB32);
    icon.transparent.resize(qsizetype{size} * size);
    if (bitCount == 32)
        icon.alpha.resize(qsizetype{size} * size);
    for (int y = 0; y < size; ++y) {
        // Rows are stored bottom-up.
        const qint64 row = colourRows + colourStride * (size - 1 - y);
        const qint64 maskRow = maskRows + maskStride * (size - 1 - y);
        for (int x = 0; x < size; ++x) {
            QRgb pixel = 0;
            if (bitCount <= 8) {
                const qint64 bit = qint64{x} * bitCount;
                const int shift = 8 - bitCount - static_cast<int>(bit % 8);
                const int value = (in.u8(row + bit / 8) >> shift) & ((1 << bitCount) - 1);
                pixel = colours[value];
            } else {
                const qint64 at = row + qint64{x} * (bitCount / 8);
                pixel = qRgb(in.u8(at + 2), in.u8(at + 1), in.u8(at));
                if (bitCount == 32)
                    icon.alpha[qsizetype{y} * size + x] = in.u8(at + 3);
            }
            icon.colour.setPixel(x, y, pixel);
            icon.transparent[qsizetype{y} * size + x] = (in.u8(maskRow + x / 8) >> (7 - x % 8)) & 1;
        }
    }
    return icon;
}

QImage composeIcon(const DecodedIcon& icon, QColor background) {
    QImage result(icon.size, icon.size, QImage::Format_RGB32);
    const QRgb back = background.rgb() & 0xFFFFFF;
    for (int y = 0; y < icon.size; ++y) {
        for (int x = 0; x < icon.size; ++x) {
            const qsizetype i = qsizetype{y} * icon.size + x;
            const QRgb colour = icon.colour.pixel(x, y) & 0xFFFFFF;
            // The mask ANDed onto the background, then the image XORed on top.
            QRgb pixel = ((icon.transparent[i] ? back : 0) ^ colour);
            if (icon.bitCount == 32 && !icon.transparent[i]) {
                const int a = icon.alpha[i] * 100 / 255;
                const auto blend = [a](int b, int c) {
                    return ((100 - a) * b + a * c) / 100;
                };
                pixel = qRgb(blend(qRed(back), qRed(pixel)), blend(qGreen(back), qGreen(pixel)),
                             blend(qBlue(back), qBlue(pixel)));
            }
            result.setPixel(x, y, pixel | 0xFF000000);
        }
    }
    return result;
}

} // namespace quillane
