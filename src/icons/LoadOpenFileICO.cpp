#include "icons/LoadOpenFileICO.h"

#include "icons/IconFile.h"

#include <QFile>
#include <QFileInfo>

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
    // Only a regular file is read, and never past the limit: a pipe or a device under an icon's
    // name would otherwise block or never end.
    QByteArray data;
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
        data = file.read(LargestIconFile + 1);
        if (data.size() > LargestIconFile)
            data.clear();
    }
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
