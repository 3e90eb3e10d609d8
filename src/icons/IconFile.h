#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QImage>
#include <QList>

#include <optional>

namespace quillane {

struct IconEntry {
    int width = 0; // as stored: 0 stands for 256, which is never shown
    int height = 0;
    int bitCount = 0;
    quint32 bytesInResource = 0;
    quint32 imageOffset = 0;
};

struct IconDirectory {
    int type = 0;
    QList<IconEntry> entries;
};

// The decoded pixels of one entry: the colour image, the transparency mask (true: transparent)
// and, for 32-bit images, each pixel's alpha.
struct DecodedIcon {
    int size = 0;
    int bitCount = 0;
    QImage colour;           // RGB32
    QList<bool> transparent; // row by row, top first
    QList<quint8> alpha;     // 32-bit images only
};

// Icon files come from outside: every count, offset and size is checked against the data
// before it is used, and anything that does not fit gives no result.
std::optional<IconDirectory> readIconDirectory(QByteArrayView file);

// The entry to show: a single 16 or 32 pixel entry, or among several the first 32 x 32 one,
// bettered by a later 32-bit 32 x 32 one, else the first 16 x 16 one; -1 when there is none.
int chooseIconEntry(const IconDirectory& directory);

std::optional<DecodedIcon> decodeIconEntry(QByteArrayView file, const IconDirectory& directory,
                                           int index);

// The icon on a background: transparent pixels keep the background, opaque ones show the
// icon, and a 32-bit image's alpha blends the two.
QImage composeIcon(const DecodedIcon& icon, QColor background);

} // namespace quillane
