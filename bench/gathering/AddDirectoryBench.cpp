#include "bench/BenchSupport.h"
#include "gathering/DirectoryScan.h"
#include "platform/PosixFileSystem.h"
#include "renamelist/RenameListModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

double addSeconds = 0;

void BM_AddDirectory_100k(benchmark::State& state) {
    const QString root = hundredThousandFileTree().path();
    double total = 0;
    for (auto _ : state) {
        PosixFileSystem files;
        RenameListModel model(files);
        const double seconds = secondsOf([&] {
            SilentDialogs dialogs;
            DirectoryScan scan(files, dialogs);
            scan.ScanDirectory({true, root, u"*.*"_s});
            model.appendEntries(scan.takeFound());
        });
        if (model.rowCount() != 100'000)
            state.SkipWithError("the tree did not give 100,000 files");
        total += seconds;
        state.SetIterationTime(seconds);
    }
    addSeconds = total / static_cast<double>(state.iterations());
}

// For comparison: `find DIR -type f` on the same tree.
void BM_FindTypeF_100k(benchmark::State& state) {
    const QByteArray command =
        "find '" + QFile::encodeName(hundredThousandFileTree().path()) + "' -type f > /dev/null";
    double total = 0;
    for (auto _ : state) {
        const double seconds = secondsOf([&] {
            if (std::system(command.constData()) != 0)
                state.SkipWithError("find failed");
        });
        total += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["add_to_find_ratio"] = addSeconds / (total / state.iterations());
}

BENCHMARK(BM_AddDirectory_100k)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindTypeF_100k)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillane
