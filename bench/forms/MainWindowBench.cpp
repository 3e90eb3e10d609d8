#include "bench/BenchSupport.h"
#include "bench/forms/BenchWindow.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace quillane {
namespace {

using namespace Qt::StringLiterals;

constexpr qint32 Million = 1'000'000;
constexpr int Rounds = 3;
// A round of keys, not one, so a key's figure is not a single timer reading.
constexpr int KeysPerRound = 10;

void reportMemory(benchmark::State& state, double emptyWindowMegabytes) {
    state.counters["rss_MB"] = residentMegabytes();
    state.counters["peak_MB"] = peakMegabytes();
    state.counters["rss_empty_window_MB"] = emptyWindowMegabytes;
}

// One folder of camera files numbered in order, as the keystroke figure has always been taken.
QList<ListedFile> numberedFiles(qint32 count) {
    QList<ListedFile> listed;
    listed.reserve(count);
    const QString folder = u"/home/user/Pictures/Trip"_s;
    for (qint32 i = 0; i < count; ++i)
        listed.append({folder, u"DSC_%1 (copy).JPG"_s.arg(i, 6, 10, QChar(u'0'))});
    return listed;
}

// Whether the column reads in the order the header shows, as the list compares its cells.
bool inHeaderOrder(BenchWindow& bench, ListColumn column) {
    const RenameList& list = bench.list().list();
    const bool natural = columnLayout(column).sortType == SortType::Natural;
    const bool descending =
        bench.grid().horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
    std::u32string previous;
    std::u32string key;
    for (qint32 row = 0; row < list.count(); ++row) {
        key.clear();
        if (natural) {
            appendNaturalSortKey(key, list.cell(row, column));
        } else {
            for (const QChar c : list.cell(row, column))
                key.push_back(c.unicode());
        }
        if (row > 0 && (descending ? previous < key : key < previous))
            return false;
        previous.swap(key);
    }
    return true;
}

// A benchmark at 100,000 and at a million, the rounds timed by the benchmark itself.
void atBothSizes(benchmark::internal::Benchmark* benchmark, const char* argument) {
    benchmark->ArgName(argument)
        ->Arg(100'000)
        ->Arg(Million)
        ->UseManualTime()
        ->Iterations(Rounds)
        ->Unit(benchmark::kMillisecond);
}
void entrySizes(benchmark::internal::Benchmark* benchmark) {
    atBothSizes(benchmark, "entries");
}
void fileSizes(benchmark::internal::Benchmark* benchmark) {
    atBothSizes(benchmark, "files");
}

// Keys typed into the new-name box until the preview on screen shows the new names. Keys
// alternate between a letter and backspace so the name stays short. Each key waits for the
// statuses of the one before, as keys typed at a person's pace do; statuses_ is the time from a
// key until its statuses are on screen.
void typeKeys(benchmark::State& state, BenchWindow& bench, double emptyWindowMegabytes) {
    const qint32 entries = bench.rows();
    auto* box = bench.window().findChild<QLineEdit*>(u"new_filename_txt"_s);
    box->setFocus();
    const QString lastName = bench.list().list().cell(entries - 1, ListColumn::Renout);
    QTest::keyClick(box, Qt::Key_A);
    bench.showNow();
    const bool typed = bench.list().list().cell(entries - 1, ListColumn::Renout) != lastName;
    QTest::keyClick(box, Qt::Key_Backspace);
    bench.showNow();
    if (!typed || bench.list().list().cell(entries - 1, ListColumn::Renout) != lastName)
        state.SkipWithError("a key typed did not change the last row's new name and back");
    bench.showStatuses();
    RoundTimes rounds;
    RoundTimes statuses;
    bool typeLetter = true;
    for (auto _ : state) {
        double previewSeconds = 0;
        double statusSeconds = 0;
        for (int key = 0; key < KeysPerRound; ++key) {
            statusSeconds += secondsOf([&] {
                previewSeconds += secondsOf([&] {
                    QTest::keyClick(box, typeLetter ? Qt::Key_A : Qt::Key_Backspace);
                    bench.showNow();
                });
                bench.showStatuses();
            });
            typeLetter = !typeLetter;
        }
        state.SetIterationTime(previewSeconds / KeysPerRound);
        rounds.add(previewSeconds / KeysPerRound);
        statuses.add(statusSeconds / KeysPerRound);
    }
    rounds.report(state);
    statuses.report(state, "statuses_");
    reportMemory(state, emptyWindowMegabytes);
}

// The files of one folder that cannot be read, so that every new name counts as taken on disk
// and the plan looks for the listed file holding each one: the most a key costs.
void BM_MainWindow_KeyToRepaintedPreview(benchmark::State& state) {
    restartPeakMemory();
    BenchWindow bench;
    const double emptyWindowMegabytes = residentMegabytes();
    bench.show(numberedFiles(static_cast<qint32>(state.range(0))));
    typeKeys(state, bench, emptyWindowMegabytes);
}
BENCHMARK(BM_MainWindow_KeyToRepaintedPreview)->Apply(entrySizes);

// The files of one folder on disk, added with Add Directory, as a user has them.
void BM_MainWindow_KeyToRepaintedPreviewOnDisk(benchmark::State& state) {
    const QString folder = oneFolderTree(static_cast<qint32>(state.range(0)));
    restartPeakMemory();
    BenchWindow bench;
    const double emptyWindowMegabytes = residentMegabytes();
    bench.dialogs.folder = folder;
    if (!bench.trigger(u"AddDirMnu"_s) || bench.rows() != state.range(0)) {
        state.SkipWithError("Add Directory did not list every file of the folder");
        return;
    }
    bench.showNow();
    typeKeys(state, bench, emptyWindowMegabytes);
}
BENCHMARK(BM_MainWindow_KeyToRepaintedPreviewOnDisk)->Apply(fileSizes);

// A click on a column's header until the list, renumbered in its new order, is on screen. Each
// round sorts a scattered list; the rounds alternate between ascending and descending. statuses_
// runs on until the statuses for the new order are on screen too.
void BM_MainWindow_SortClick(benchmark::State& state, ListColumn column) {
    restartPeakMemory();
    const auto entries = static_cast<qint32>(state.range(0));
    BenchWindow bench;
    const double emptyWindowMegabytes = residentMegabytes();
    // The refresh after the sort rewrites these two columns, so only the others can be checked.
    const bool checkable = column == ListColumn::Directory || column == ListColumn::Filename;
    RoundTimes rounds;
    RoundTimes statuses;
    for (auto _ : state) {
        bench.show(shuffledCameraFiles(entries));
        bool sorted = false;
        const double seconds = secondsOf([&] {
            sorted = bench.clickHeader(column);
            bench.showNow();
        });
        statuses.add(seconds + secondsOf([&] { bench.showStatuses(); }));
        if (!sorted || bench.rows() != entries || (checkable && !inHeaderOrder(bench, column))) {
            state.SkipWithError("the click did not sort the list by its column");
            break;
        }
        state.SetIterationTime(seconds);
        rounds.add(seconds);
    }
    rounds.report(state);
    statuses.report(state, "statuses_");
    reportMemory(state, emptyWindowMegabytes);
}
BENCHMARK_CAPTURE(BM_MainWindow_SortClick, Directory, ListColumn::Directory)->Apply(entrySizes);
BENCHMARK_CAPTURE(BM_MainWindow_SortClick, Filename, ListColumn::Filename)->Apply(entrySizes);
BENCHMARK_CAPTURE(BM_MainWindow_SortClick, RenOutput, ListColumn::Renout)->Apply(entrySizes);
BENCHMARK_CAPTURE(BM_MainWindow_SortClick, Status, ListColumn::Status)->Apply(entrySizes);

// Remove with every other row of a sorted list selected in the grid, until the list left is on
// screen. select_ms is the selection's own time, handed to the grid in one call; statuses_ runs
// on until the statuses of the rows left are on screen too.
void BM_MainWindow_RemoveHalf(benchmark::State& state) {
    restartPeakMemory();
    const auto entries = static_cast<qint32>(state.range(0));
    BenchWindow bench;
    const double emptyWindowMegabytes = residentMegabytes();
    RoundTimes rounds;
    RoundTimes selecting;
    RoundTimes statuses;
    for (auto _ : state) {
        bench.show(shuffledCameraFiles(entries));
        if (!bench.clickHeader(ListColumn::Filename)) {
            state.SkipWithError("the list could not be sorted");
            break;
        }
        bench.showNow();
        bench.showStatuses();
        selecting.add(secondsOf([&] {
            bench.selectEveryOtherRow();
            bench.showNow();
        }));
        const RenameList& list = bench.list().list();
        const QString firstKept =
            list.cell(1, ListColumn::Directory) + list.cell(1, ListColumn::Filename);
        if (list.selectedCount() != (entries + 1) / 2) {
            state.SkipWithError("the grid's selection did not reach the list");
            break;
        }
        bool removed = false;
        const double seconds = secondsOf([&] {
            removed = bench.trigger(u"RemoveMnu"_s);
            bench.showNow();
        });
        statuses.add(seconds + secondsOf([&] { bench.showStatuses(); }));
        if (!removed || bench.rows() != entries / 2 ||
            list.cell(0, ListColumn::Directory) + list.cell(0, ListColumn::Filename) != firstKept) {
            state.SkipWithError("Remove did not take out exactly the selected rows");
            break;
        }
        state.SetIterationTime(seconds);
        rounds.add(seconds);
    }
    rounds.report(state);
    selecting.report(state, "select_");
    statuses.report(state, "statuses_");
    reportMemory(state, emptyWindowMegabytes);
}
BENCHMARK(BM_MainWindow_RemoveHalf)->Apply(entrySizes);

// Add Directory on one folder of files until the list is on screen, each round in a window new to
// the folder, as a user adding it meets it, and beside `find DIR -type f` on the same folder, so
// the two share the machine's state of the moment. statuses_ runs on until the statuses are on
// screen too.
void BM_MainWindow_AddDirectory(benchmark::State& state) {
    const auto files = static_cast<qint32>(state.range(0));
    const QString folder = oneFolderTree(files);
    state.SetLabel(folder.toStdString());
    restartPeakMemory();
    std::optional<BenchWindow> bench;
    bench.emplace();
    const double emptyWindowMegabytes = residentMegabytes();
    const QByteArray find = "find '" + QFile::encodeName(folder) + "' -type f > /dev/null";
    RoundTimes adds;
    RoundTimes finds;
    RoundTimes statuses;
    for (auto _ : state) {
        // The window before goes first: a window that has added the folder keeps what it read.
        bench.emplace();
        bench->dialogs.folder = folder;
        bool added = false;
        const double seconds = secondsOf([&] {
            added = bench->trigger(u"AddDirMnu"_s);
            bench->showNow();
        });
        statuses.add(seconds + secondsOf([&] { bench->showStatuses(); }));
        if (!added || bench->rows() != files) {
            state.SkipWithError("Add Directory did not list every file of the folder");
            break;
        }
        state.SetIterationTime(seconds);
        adds.add(seconds);
        int found = -1;
        finds.add(secondsOf([&] { found = std::system(find.constData()); }));
        if (found != 0) {
            state.SkipWithError("find failed");
            break;
        }
    }
    adds.report(state);
    finds.report(state, "find_");
    statuses.report(state, "statuses_");
    state.counters["to_find_fastest"] = adds.fastest() / finds.fastest();
    state.counters["to_find_median"] = adds.median() / finds.median();
    reportMemory(state, emptyWindowMegabytes);
}
BENCHMARK(BM_MainWindow_AddDirectory)->Apply(fileSizes);

// What a million files need at most: added from one folder, sorted by each column, a letter typed
// (peak_MB), then half of them removed (peak_after_remove_MB). The time is the whole session's.
void BM_MainWindow_MillionFilesPeakMemory(benchmark::State& state) {
    const QString folder = oneFolderTree(Million);
    restartPeakMemory();
    BenchWindow bench;
    bench.dialogs.folder = folder;
    const double emptyWindowMegabytes = residentMegabytes();
    auto* box = bench.window().findChild<QLineEdit*>(u"new_filename_txt"_s);
    for (auto _ : state) {
        bool done = true;
        const double seconds = secondsOf([&] {
            done = bench.trigger(u"AddDirMnu"_s) && bench.rows() == Million;
            bench.showNow();
            bench.showStatuses();
            for (int column = 0; column < ListColumnCount; ++column) {
                done = bench.clickHeader(static_cast<ListColumn>(column)) && done;
                bench.showNow();
                bench.showStatuses();
            }
            QTest::keyClick(box, Qt::Key_A);
            bench.showNow();
            bench.showStatuses();
        });
        state.counters["peak_MB"] = peakMegabytes();
        state.counters["rss_MB"] = residentMegabytes();
        bench.selectEveryOtherRow();
        done = bench.trigger(u"RemoveMnu"_s) && bench.rows() == Million / 2 && done;
        bench.showNow();
        bench.showStatuses();
        if (!done)
            state.SkipWithError("a step of the session did not do its work");
        state.SetIterationTime(seconds);
    }
    state.counters["peak_after_remove_MB"] = peakMegabytes();
    state.counters["rss_after_remove_MB"] = residentMegabytes();
    state.counters["rss_empty_window_MB"] = emptyWindowMegabytes;
}
BENCHMARK(BM_MainWindow_MillionFilesPeakMemory)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillane
