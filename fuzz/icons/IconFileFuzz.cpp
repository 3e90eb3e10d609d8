// Icon files are read from the program's folder, where anything may stand under their names.
#include "icons/IconFile.h"

#include <cstddef>
#include <cstdint>

using namespace quillane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView file(data, static_cast<qsizetype>(size));
    const auto directory = readIconDirectory(file);
    if (!directory)
        return 0;
    for (int index : {chooseIconEntry(*directory), 0, 1}) {
        if (const auto icon = decodeIconEntry(file, *directory, index))
            (void)composeIcon(*icon, QColor(10, 20, 30));
    }
    return 0;
}
