#pragma once

#include "platform/Dialogs.h"
#include "renamelist/RenameEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <malloc.h>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

namespace quillane {

// No box ever opens while a benchmark runs; a folder asked for is `folder`, if one is set.
class SilentDialogs final : public Dialogs {
public:
    MessageAnswer showMessage(const MessageRequest& request) override {
        return request.defaultButton;
    }
    void showReport(const ReportRequest&) override {}
    int choose(const ChoiceRequest& request) override { return request.escapeButton; }
    std::optional<OpenFilesResult> openFiles(const OpenFilesRequest&) override { return {}; }
    std::optional<QString> browseForFolder(const FolderRequest&) override { return folder; }
    std::optional<QString> askText(const TextRequest&) override { return {}; }

    std::optional<QString> folder;
};

// In memory where there is room for `files` more, so the disk's delays do not drown the program's
// own cost; tmpfs counts its inodes, and others on the machine need some too.
inline QString treeParent(qint64 files) {
    const QString shm = QStringLiteral("/dev/shm");
    struct statvfs room {};
    if (QFileInfo(shm).isWritable() && ::statvfs("/dev/shm", &room) == 0 &&
        static_cast<qint64>(room.f_favail) > files + 200'000)
        return shm;
    return QDir::tempPath();
}

// Empty files `prefix`0 to `prefix`(count - 1) with `suffix`, in `folder`.
inline void makeEmptyFiles(const QString& folder, const QByteArray& prefix, qint32 count,
                           const QByteArray& suffix) {
    const QByteArray base = QFile::encodeName(folder) + '/' + prefix;
    for (qint32 file = 0; file < count; ++file)
        ::close(::open((base + QByteArray::number(file) + suffix).constData(), O_WRONLY | O_CREAT,
                       0644));
}

// A folder stamped long ago, as a settled folder is.
inline void settle(const QString& folder) {
    const timespec longAgo[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), longAgo, 0);
}

// 10 folders of 10 subfolders of 1,000 files each ("album A/day D/IMG_N.JPG"), made once.
inline const QTemporaryDir& hundredThousandFileTree() {
    static const QTemporaryDir dir(treeParent(100'000) + QStringLiteral("/quillane-tree-XXXXXX"));
    static const bool made = [] {
        for (int top = 0; top < 10; ++top) {
            for (int sub = 0; sub < 10; ++sub) {
                const QString folder =
                    dir.path() + QStringLiteral("/album %1/day %2").arg(top).arg(sub);
                QDir().mkpath(folder);
                makeEmptyFiles(folder, "IMG_", 1000, ".JPG");
                settle(folder);
            }
        }
        return true;
    }();
    Q_UNUSED(made);
    return dir;
}

// One folder of `files` files ("IMG_N.JPG"), made once per count and removed at exit.
inline QString oneFolderTree(qint32 files) {
    static std::map<qint32, std::unique_ptr<QTemporaryDir>> trees;
    std::unique_ptr<QTemporaryDir>& tree = trees[files];
    if (!tree) {
        tree = std::make_unique<QTemporaryDir>(treeParent(files) +
                                               QStringLiteral("/quillane-folder-XXXXXX"));
        makeEmptyFiles(tree->path(), "IMG_", files, ".JPG");
        settle(tree->path());
    }
    return tree->path();
}

// Camera files in folders of 1,000 ("Trip F/IMG_N (copy).JPG"), numbered at random.
inline QList<ListedFile> cameraFiles(qint32 count) {
    std::mt19937 random(7);
    QList<ListedFile> entries;
    entries.reserve(count);
    for (qint32 folder = 0; entries.size() < count; ++folder) {
        const QString directory = QStringLiteral("/home/ann/Pictures/2005/Trip %1").arg(folder);
        for (int file = 0; file < 1000 && entries.size() < count; ++file) {
            const QString name =
                QStringLiteral("IMG_%1 (copy).JPG")
                    .arg(random() % static_cast<unsigned>(count), 5, 10, QChar(u'0'));
            entries.append({directory, name});
        }
    }
    return entries;
}

inline double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The seconds of each round; on a shared machine the fastest and the median say more than a mean.
class RoundTimes {
public:
    void add(double seconds) { m_seconds.push_back(seconds); }
    double fastest() const { return *std::min_element(m_seconds.begin(), m_seconds.end()); }
    double median() const {
        std::vector<double> sorted = m_seconds;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t middle = sorted.size() / 2;
        return sorted.size() % 2 == 1 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
    }
    void report(benchmark::State& state, const std::string& prefix = {}) const {
        if (m_seconds.empty())
            return;
        state.counters[prefix + "fastest_ms"] = fastest() * 1000;
        state.counters[prefix + "median_ms"] = median() * 1000;
    }

private:
    std::vector<double> m_seconds;
};

// One line of /proc/self/status ("VmRSS", "VmHWM") in megabytes, as the system counts them.
inline double statusMegabytes(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}
inline double residentMegabytes() {
    return statusMegabytes("VmRSS");
}
inline double peakMegabytes() {
    return statusMegabytes("VmHWM");
}

// Gives back what earlier benchmarks freed and starts the peak anew from here. What the
// allocator cannot give back still counts, so a peak that matters is taken in a process of its own.
inline void restartPeakMemory() {
    ::malloc_trim(0);
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (!clearRefs.open(QIODevice::WriteOnly) || clearRefs.write("5") != 1)
        qWarning("The peak resident memory cannot be reset; peaks include earlier benchmarks'");
}

} // namespace quillane
