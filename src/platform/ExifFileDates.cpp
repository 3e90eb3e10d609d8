#include "platform/ExifFileDates.h"

#include <QFile>
#include <QRegularExpression>

#include <exiv2/exiv2.hpp>
#include <mutex>
#include <sys/stat.h>

namespace quillane {

namespace {

// Set up on the first photo rather than at start-up, so that a session that never reads one
// keeps Exiv2's tables out of memory. Only one thread reads photos at a time, and no other part
// of the program uses Exiv2.
void setUpExiv2() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Exiv2 writes what it finds odd in a file to standard error; a damaged photo is no news.
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
    });
}

QDateTime photoTaken(const QByteArray& path) {
    setUpExiv2();
    try {
        // Exiv2 0.27 hands the image over in a std::auto_ptr; auto keeps its name out of this file.
        const auto image = Exiv2::ImageFactory::open(path.toStdString(), false);
        if (image.get() == nullptr)
            return {};
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        const auto found = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
        if (found == exif.end())
            return {};
        return exifMoment(QString::fromStdString(found->toString()));
    } catch (const std::exception&) {
        // Not an image Exiv2 knows, or a damaged one: it tells no moment.
        return {};
    }
}

} // namespace

QDateTime exifMoment(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4}):(\\d{2}):(\\d{2}) (\\d{2}):(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch parts = form.match(text.trimmed());
    if (!parts.hasMatch())
        return {};
    const auto part = [&](int i) {
        return parts.capturedView(i).toInt();
    };
    const QDate date(part(1), part(2), part(3));
    const QTime time(part(4), part(5), part(6));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

FileMoments ExifFileDates::read(const QString& path, bool taken) const {
    const QByteArray encoded = QFile::encodeName(path);
    struct stat status {};
    if (::stat(encoded.constData(), &status) != 0 && ::lstat(encoded.constData(), &status) != 0)
        return {};
    FileMoments moments;
    moments.modified = QDateTime::fromSecsSinceEpoch(status.st_mtim.tv_sec);
    if (taken && S_ISREG(status.st_mode))
        moments.taken = photoTaken(encoded);
    return moments;
}

} // namespace quillane
