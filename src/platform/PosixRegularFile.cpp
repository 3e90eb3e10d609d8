#include "platform/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillane {

FileBytesResult readRegularFile(const QString& path, qint64 largest) {
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return {{error == ENOENT ? FileOutcome::SourceMissing : FileOutcome::Failed,
                 qt_error_string(error)},
                {}};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {{FileOutcome::Failed, file.errorString()}, {}};
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return {{FileOutcome::Failed, qt_error_string(errno)}, {}};
    if (!S_ISREG(st.st_mode))
        return {{FileOutcome::Failed, u"Not a regular file"_s}, {}};
    if (st.st_size > largest)
        return {{FileOutcome::Failed, u"The file is too large to be read"_s}, {}};
    // The file may grow after the size was taken; the limit holds all the same.
    QByteArray bytes = file.read(largest + 1);
    if (file.error() != QFileDevice::NoError)
        return {{FileOutcome::Failed, file.errorString()}, {}};
    if (bytes.size() > largest)
        return {{FileOutcome::Failed, u"The file is too large to be read"_s}, {}};
    return {FileResult::success(), bytes};
}

} // namespace quillane
