#include "bench/BenchSupport.h"
#include "journal/RunJournal.h"
#include "platform/PosixFileSystem.h"
#include "renamelist/RenameRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <memory>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

constexpr int Files = 20'000;

QByteArray nameOf(const char* stem, int i) {
    return stem + QByteArray::number(i) + ".jpg";
}

void makeFiles(const QTemporaryDir& dir) {
    for (int i = 0; i < Files; ++i) {
        const QByteArray path = QFile::encodeName(dir.path()) + '/' + nameOf("IMG_", i);
        ::close(::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644));
    }
}

// A memory file system where there is one: the disk's own delays would drown what is measured.
QString scratchFolder() {
    const QString memory = u"/dev/shm"_s;
    return QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
}

// Times one pass of `work` over freshly made files, for each iteration; `mean` gets the mean.
void timeOverFreshFiles(benchmark::State& state,
                        const std::function<void(const QTemporaryDir&)>& work, double& mean) {
    double total = 0;
    for (auto _ : state) {
        const QTemporaryDir dir(scratchFolder() + u"/quillane-bench-XXXXXX"_s);
        makeFiles(dir);
        const double seconds = secondsOf([&] { work(dir); });
        total += seconds;
        state.SetIterationTime(seconds);
    }
    mean = total / static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations() * Files);
}

RenameList listToRename(const QTemporaryDir& dir) {
    RenameList list;
    const QString folder = dir.path();
    for (int i = 0; i < Files; ++i) {
        list.append(folder, QString::fromLatin1(nameOf("IMG_", i)));
        list.setCell(i, ListColumn::Renout, QString::fromLatin1(nameOf("Trip", i)));
    }
    return list;
}

double runSeconds = 0;
double plainLoopSeconds = 0;

void BM_RenameRun_20k(benchmark::State& state) {
    timeOverFreshFiles(
        state,
        [](const QTemporaryDir& dir) {
            RenameList list = listToRename(dir);
            PosixFileSystem files;
            SilentDialogs dialogs;
            RenameRun(list, files, dialogs, {}, {}).run();
        },
        runSeconds);
}

// The same run with its journal, which lies on the disk as the user's state folder does.
void BM_RenameRunWithJournal_20k(benchmark::State& state) {
    const QTemporaryDir stateFolder;
    RunJournal journal(stateFolder.filePath(u"journal.sqlite3"_s));
    double seconds = 0;
    timeOverFreshFiles(
        state,
        [&](const QTemporaryDir& dir) {
            RenameList list = listToRename(dir);
            PosixFileSystem files;
            SilentDialogs dialogs;
            const std::unique_ptr<RunRecorder> recorder =
                journal.recordRun(RunKind::Rename, 0, std::nullopt);
            RenameRun(list, files, dialogs, {}, {}, recorder.get()).run();
        },
        seconds);
    state.counters["journal_to_run_ratio"] = seconds / runSeconds;
}

// Clears the attribute value as the file system layer does: through a descriptor of the file
// itself, never a link.
void clearAttributes(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    struct stat st {};
    ::fstat(fd, &st);
    const QByteArray pinned = "/proc/self/fd/" + QByteArray::number(fd);
    ::removexattr(pinned.constData(), "user.DOSATTRIB");
    ::close(fd);
}

// The same system calls as the run, made directly.
void BM_PlainLoop_20k(benchmark::State& state) {
    timeOverFreshFiles(
        state,
        [](const QTemporaryDir& dir) {
            const QByteArray folder = QFile::encodeName(dir.path()) + '/';
            for (int i = 0; i < Files; ++i) {
                const QByteArray source = folder + nameOf("IMG_", i);
                const QByteArray temporary = folder + "ren" + QByteArray::number(i, 16) + ".tmp";
                const QByteArray target = folder + nameOf("Trip", i);
                ::close(::open(temporary.constData(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
                ::unlink(temporary.constData());
                ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, temporary.constData(),
                            RENAME_NOREPLACE);
                struct stat st {};
                ::lstat(temporary.constData(), &st);
                char attribute[64];
                ::lgetxattr(temporary.constData(), "user.DOSATTRIB", attribute, sizeof attribute);
                clearAttributes(temporary);
                ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(),
                            RENAME_NOREPLACE);
                clearAttributes(target);
            }
        },
        plainLoopSeconds);
    state.counters["run_to_plain_ratio"] = runSeconds / plainLoopSeconds;
}

// For reference: one no-replace rename per file and nothing else.
void BM_PlainRename_20k(benchmark::State& state) {
    double seconds = 0;
    timeOverFreshFiles(
        state,
        [](const QTemporaryDir& dir) {
            const QByteArray folder = QFile::encodeName(dir.path()) + '/';
            for (int i = 0; i < Files; ++i)
                ::renameat2(AT_FDCWD, (folder + nameOf("IMG_", i)).constData(), AT_FDCWD,
                            (folder + nameOf("Trip", i)).constData(), RENAME_NOREPLACE);
        },
        seconds);
    state.counters["run_to_rename_ratio"] = runSeconds / seconds;
}

BENCHMARK(BM_RenameRun_20k)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameRunWithJournal_20k)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainLoop_20k)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRename_20k)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillane
