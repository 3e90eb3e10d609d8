#pragma once

#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace quillane {

// No box ever opens while a benchmark runs.
class SilentDialogs final : public Dialogs {
public:
    MessageAnswer showMessage(const MessageRequest& request) override {
        return request.defaultButton;
    }
    void showReport(const ReportRequest&) override {}
    int choose(const ChoiceRequest& request) override { return request.escapeButton; }
    std::optional<OpenFilesResult> openFiles(const OpenFilesRequest&) override { return {}; }
    std::optional<QString> browseForFolder(const FolderRequest&) override { return {}; }
    std::optional<QString> askText(const TextRequest&) override { return {}; }
};

// 10 folders of 10 subfolders of 1,000 files each ("album A/day D/IMG_N.JPG"), made once, in
// memory where possible, the folders stamped long ago as a settled folder is.
inline const QTemporaryDir& hundredThousandFileTree() {
    static const QTemporaryDir dir((QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                        ? QStringLiteral("/dev/shm")
                                        : QDir::tempPath()) +
                                   QStringLiteral("/quillane-tree-XXXXXX"));
    static const bool made = [] {
        const timespec longAgo[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
        for (int top = 0; top < 10; ++top) {
            for (int sub = 0; sub < 10; ++sub) {
                const QString folder =
                    dir.path() + QStringLiteral("/album %1/day %2").arg(top).arg(sub);
                QDir().mkpath(folder);
                const QByteArray base = QFile::encodeName(folder) + "/IMG_";
                for (int file = 0; file < 1000; ++file)
                    ::close(::open((base + QByteArray::number(file) + ".JPG").constData(),
                                   O_WRONLY | O_CREAT, 0644));
                ::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), longAgo, 0);
            }
        }
        return true;
    }();
    Q_UNUSED(made);
    return dir;
}

inline double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace quillane
