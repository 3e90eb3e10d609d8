#include "startup/ShippedFiles.h"

#include "platform/PathText.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace quillane {

QString shippedFilesFolder(const QString& AppDir, FileSystem& files) {
    // The product icon stands for them all: the files travel together.
    if (files.exists(pathIn(AppDir, u"Quillane.ir"_s)))
        return AppDir;
    const QString installed =
        QDir::cleanPath(pathIn(AppDir, QStringLiteral(QUILLANE_SHIPPED_FROM_PROGRAM)));
    return files.isDirectory(installed) ? installed : AppDir;
}

} // namespace quillane
