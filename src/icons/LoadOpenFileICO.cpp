#include "icons/LoadOpenFileICO.h"

#include "icons/IconFile.h"
#include "platform/RegularFile.h"

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

// Far beyond any icon file of 16 and 32 pixel images.
constexpr qint64 LargestIconFile = 4 * 1024 * 1024;

void tell(Dialogs& dialogs, const QString& text) {
    dialogs.showMessage({ApplicationTitle, text, MessageIcon::None, MessageButtons::Ok,
                         MessageAnswer::Ok, false, DialogOwner::MainWindow});
}

} // namespace

std::optional<QImage> LoadOpenFileICO(const QString& path, QColor background, Dialogs& dialogs) {
    const QByteArray data = readRegularFile(path, LargestIconFile).bytes;
    const auto directory = readIconDirectory(data);
    const int index = directory ? chooseIconEntry(*directory) : -1;
    if (index < 0) {
        tell(dialogs, u"Invalid icon file or file does not contain 32x32 or 16x16 icon"_s);
        return std::nullopt;
    }
    const auto icon = decodeIconEntry(data, *directory, index);
    if (!icon) {
        tell(dialogs, path + u"\r\nFailed to load this file"_s);
        return std::nullopt;
    }
    return composeIcon(*icon, background);
}

} // namespace quillane
