#include "bench/BenchSupport.h"
#include "journal/RunJournal.h"
#include "platform/PosixFileSystem.h"
#include "renamelist/RenameRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <memory>
#include <stdio.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

// In one folder on the disk, where the users' files are: a memory file system would hide what a
// journaled one costs per change.
constexpr int Files = 100'000;

QByteArray nameOf(const char* stem, int i) {
    return stem + QByteArray::number(i) + ".jpg";
}

void makeFiles(const QTemporaryDir& dir) {
    const int folder = ::open(QFile::encodeName(dir.path()).constData(), O_PATH | O_DIRECTORY);
    for (int i = 0; i < Files; ++i)
        ::close(::openat(folder, nameOf("IMG_", i).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644));
    ::close(folder);
    ::sync();
}

using Renaming = std::function<void()>;

// Times one renaming of freshly made files for each iteration, as `prepare` makes it ready for
// them; gives the fastest.
double fastestOverFreshFiles(benchmark::State& state,
                             const std::function<Renaming(const QTemporaryDir&)>& prepare) {
    double fastest = 0;
    for (auto _ : state) {
        const QTemporaryDir dir(QDir::tempPath() + u"/quillane-bench-XXXXXX"_s);
        makeFiles(dir);
        const Renaming renaming = prepare(dir);
        const double seconds = secondsOf(renaming);
        fastest = fastest == 0 ? seconds : std::min(fastest, seconds);
        state.SetIterationTime(seconds);
        if (!QFile::exists(dir.filePath(QString::fromLatin1(nameOf("Trip", Files - 1)))))
            state.SkipWithError("the files were not renamed");
    }
    state.SetItemsProcessed(state.iterations() * Files);
    state.counters["fastest_ms"] = fastest * 1000;
    return fastest;
}

double floorSeconds = 0;
double perlSeconds = 0;

// The floor: one no-replace rename per file, relative to the open folder, and nothing else.
void BM_Floor_100k(benchmark::State& state) {
    floorSeconds = fastestOverFreshFiles(state, [](const QTemporaryDir& dir) {
        return [folder = QFile::encodeName(dir.path())] {
            const int fd = ::open(folder.constData(), O_PATH | O_DIRECTORY);
            for (int i = 0; i < Files; ++i)
                ::renameat2(fd, nameOf("IMG_", i).constData(), fd, nameOf("Trip", i).constData(),
                            RENAME_NOREPLACE);
            ::close(fd);
        };
    });
}

// Debian's perl `rename`, given the names on its input, as a user of the command line does.
void BM_PerlRename_100k(benchmark::State& state) {
    const QString program = QStandardPaths::findExecutable(u"file-rename"_s);
    if (program.isEmpty()) {
        state.SkipWithError("perl rename (Debian's rename) is not installed; scripts/setup.sh "
                            "installs it");
        return;
    }
    perlSeconds = fastestOverFreshFiles(state, [&](const QTemporaryDir& dir) {
        QByteArray names;
        for (int i = 0; i < Files; ++i)
            names += nameOf("IMG_", i) + '\0';
        return [&program, names, folder = dir.path()] {
            QProcess rename;
            rename.setWorkingDirectory(folder);
            rename.start(program, {u"-0"_s, u"s/^IMG_/Trip/"_s});
            rename.write(names);
            rename.closeWriteChannel();
            rename.waitForFinished(-1);
        };
    });
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

// The run as the window makes it, its journal in a state folder on the same disk.
void BM_RenameRun_100k(benchmark::State& state) {
    const QTemporaryDir stateFolder;
    RunJournal journal(stateFolder.filePath(u"journal.sqlite3"_s));
    RenameList list;
    const double seconds = fastestOverFreshFiles(state, [&](const QTemporaryDir& dir) {
        list = listToRename(dir);
        return [&] {
            PosixFileSystem files;
            SilentDialogs dialogs;
            const std::unique_ptr<RunRecorder> recorder =
                journal.recordRun(RunKind::Rename, 0, std::nullopt);
            RenameRun(list, files, dialogs, {}, {}, recorder.get()).run();
        };
    });
    if (perlSeconds > 0)
        state.counters["to_perl_rename"] = seconds / perlSeconds;
    if (floorSeconds > 0)
        state.counters["to_floor"] = seconds / floorSeconds;
}

BENCHMARK(BM_Floor_100k)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerlRename_100k)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameRun_100k)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillane
